# Members of FEFF 8.5L's archives and objects of its six module programs, in
# the order of the upstream makefiles (feff85exafs/src/<folder>/Makefile).

# libfeffpar.a
feff_sources(feff_archive_par PAR sequential)
set(feff_sequential_sources ${feff_archive_par})

# libfeffcom.a
feff_sources(feff_archive_com COMMON
  chopen fixvar head itoken pertab rdcmt rdxsph str xx fixdsp getorb iniptz nxtunt pijump
  rdhead setgam str2dp fixdsx getxk isnum padlib qsorti rdpot setkap wlog)

# libfeffmath.a
feff_sources(feff_archive_math MATH
  bcoef besjn conv csomm cwig3j determ exjlnl phamp quartc sdist somm2 terp trap besjh bjnser
  cpl0 csomm2 czeros dist lu polint rotwig somm strap terpc)

# libfeffatom.a, with copies of a few objects of other folders
feff_sources(feff_atom_own ATOM
  akeato cofcon etotal fpf0 lagdat nucdev potslw soldir wfirdf aprdev dentfa fdmocc inmuat
  messer ortdat s02at tabrat yzkrdf bkmrdf dsordf fdrirk intdir muatco potrdf scfdat vlda
  yzkteg)
feff_sources(feff_atom_common COMMON wlog getorb str)
feff_sources(feff_atom_math MATH determ somm somm2 cwig3j)
feff_sources(feff_atom_exch EXCH vbh edp)
set(feff_archive_atom ${feff_atom_own} ${feff_atom_common} ${feff_archive_par} ${feff_atom_math}
    ${feff_atom_exch})

# libfeffpha.a
feff_sources(feff_archive_pha FOVRG
  aprdec dfovrg dsordc intout nucdec potdvp solin wfirdc yzktec aprdep diff inmuac muatcc
  ortdac potex solout yzkrdc)

# libfefffms.a
feff_sources(feff_archive_fms FMS fmsie fmspack ggbi gggm gglu ggrm ggtf xstaff yprep)

# libfeffexch.a
feff_sources(feff_archive_exch EXCH
  csigma csigz cubic edp ffq fndsng imhl mpse qsorti quinn rhl rhlbp vbh xcpot)

# libfeffdw.a, with copies of a few objects of other folders
feff_sources(feff_dw_own DEBYE sigcl sigm3 sigms sigrem sigte3)
feff_sources(feff_dw_common COMMON wlog str itoken pertab chopen)
feff_sources(feff_dw_math MATH dist)
set(feff_archive_dw ${feff_dw_own} ${feff_dw_common} ${feff_dw_math} ${feff_archive_par})

# libfeffjson.a
feff_sources(feff_archive_json JSON
  bailout read_geom read_atoms read_global read_pot read_fpf0 json_xsect read_xsect json_nnnn)

# libfeffint.a
feff_sources(feff_archive_int POT istprm movrlp ovp2mt fermi sidx)

# libfeffgenfmt.a
feff_sources(feff_archive_genfmt GENFMT
  genfmt_prep fmtrxi mmtr mmtrxi import rot3i sclmz setlam snlm xstar trig)

# The programs' own objects.
feff_sources(feff_rdinp_sources RDINP ffsort iniall mkptz rdinp_l rdline setedg wrtall wrtjsn)
feff_sources(feff_pot_sources POT
  ffmod1 pot scmtmp afolp broydn corval coulom ff2g frnrm grids inipot istval moveh ovrlp
  reapot rholie scmt sumax wpot wrpot)
feff_sources(feff_xsph_own XSPH
  acoef ffmod2 getedg phmesh rdgrid rholat szlz wrxsph xsect axafs fmssz phase radint rexsph
  rholsz wphase xmult xsph)
# feff8l_xsph also links three single objects of other folders. Upstream
# names them after its archives, CMake before them: the same functions are
# linked either way (each disassembles alike), only the padding between
# them differs.
feff_sources(feff_xsph_ff2x FF2X xscorr)
feff_sources(feff_xsph_pot POT grids)
feff_sources(feff_xsph_math MATH terpc)
set(feff_xsph_sources ${feff_xsph_own} ${feff_xsph_ff2x} ${feff_xsph_pot} ${feff_xsph_math})
feff_sources(feff_path_sources PATH
  ccrit heap mcrith mpprmd mrb paths phash repath timrep ffmod4 ipack mcritk mpprmp outcrt
  pathsd prcrit sortix)
feff_sources(feff_genfmt_sources GENFMT ffmod5 genfmt rdpath regenf)
feff_sources(feff_ff2x_sources FF2X
  exconv feffdt fdtarr fdthea ff2afs ff2chi ff2xmu ffmod6 fprime ff2gen rdfbin reff2x xscorr)

# Every fixed-form source but PAR's takes the common flags.
set(feff_plain_sources
  ${feff_archive_com} ${feff_archive_math} ${feff_archive_atom} ${feff_archive_pha}
  ${feff_archive_fms} ${feff_archive_exch} ${feff_archive_dw} ${feff_archive_json}
  ${feff_archive_int} ${feff_archive_genfmt} ${feff_rdinp_sources} ${feff_pot_sources}
  ${feff_xsph_sources} ${feff_path_sources} ${feff_genfmt_sources} ${feff_ff2x_sources})
list(REMOVE_DUPLICATES feff_plain_sources)
list(REMOVE_ITEM feff_plain_sources ${feff_sequential_sources})
