#!/usr/bin/env bash
# Draws the results of a run directory as PNG pictures with gnuplot:
#   chi_k2.png  averaged k^2 chi(k) from xt_tot.txt
#   chi_ft.png  magnitude of its Fourier transform (k 3..12 1/A, Hanning window)
#   mu.png      averaged mu(E) from mu_tot.txt
#   g2.png      g2_tot.txt with the partial RDFs g2_*-*.txt
#   gr.png      g(r) and the running coordination number n(r) from gr_tot.txt
#               (kirne --pbc)
# Usage: plot_results.sh RUN_DIR   (any directory where kirne and tolva64 ran)
set -euo pipefail
run_dir=${1:?usage: plot_results.sh RUN_DIR}
cd "$run_dir"

# |FT| of k^2 chi(k) on r = 0..6 A: |sum w(k) k^2 chi(k) exp(2ikr) dk| / sqrt(pi).
fourier_transform() {
  awk '
    BEGIN { kmin = 3.0; kmax = 12.0 }
    { chi[NR] = $1 + 0; k[NR] = $2 + 0; n = NR }
    END {
      pi = atan2(0, -1)
      for (r = 0; r <= 6.0001; r += 0.02) {
        re = 0; im = 0
        for (i = 2; i <= n; i++) {
          if (k[i] < kmin || k[i] > kmax) continue
          w = 0.5 - 0.5 * cos(2 * pi * (k[i] - kmin) / (kmax - kmin))
          dk = k[i] - k[i - 1]
          f = w * k[i] * k[i] * chi[i] * dk
          re += f * cos(2 * k[i] * r); im += f * sin(2 * k[i] * r)
        }
        printf "%.3f %.8e\n", r, sqrt(re * re + im * im) / sqrt(pi)
      }
    }' xt_tot.txt
}

plots=()
if [ -s xt_tot.txt ]; then
  fourier_transform > chi_ft.txt
  plots+=("set output 'chi_k2.png'; set title 'Averaged k^2 chi(k)';
    set xlabel 'k (1/A)'; set ylabel 'k^2 chi(k) (1/A^2)';
    plot 'xt_tot.txt' using 2:(\$2*\$2*\$1) with lines lw 2 notitle"
    "set output 'chi_ft.png'; set title '|FT of k^2 chi(k)|, k = 3..12 1/A, Hanning';
    set xlabel 'R (A, no phase correction)'; set ylabel '|FT| (1/A^3)';
    plot 'chi_ft.txt' using 1:2 with lines lw 2 notitle")
fi
if [ -s mu_tot.txt ]; then
  plots+=("set output 'mu.png'; set title 'Averaged mu(E)';
    set xlabel 'E (eV)'; set ylabel 'mu (normalised)';
    plot 'mu_tot.txt' using 2:1 with lines lw 2 notitle")
fi
if [ -s g2_tot.txt ]; then
  partial=""
  for f in g2_*-*.txt; do
    [ -e "$f" ] || continue
    label=${f#g2_}; label=${label%.txt}
    partial+=", '$f' using 2:1 with lines dt 2 title 'partial $label'"
  done
  plots+=("set output 'g2.png'; set title 'G2 around the absorber';
    set xlabel 'r (A)'; set ylabel 'atoms per A';
    plot 'g2_tot.txt' using 2:1 with lines lw 2 title 'G2 total'$partial")
fi

if [ -s gr_tot.txt ]; then
  plots+=("set output 'gr.png'; set title 'g(r) around the absorber';
    set xlabel 'r (A)'; set ylabel 'g(r)'; set y2label 'n(r)'; set ytics nomirror; set y2tics;
    plot 'gr_tot.txt' using 1:2 with lines lw 2 title 'g(r)',
         'gr_tot.txt' using 1:3 axes x1y2 with lines dt 2 title 'n(r), running coordination'")
fi

for p in "${plots[@]}"; do
  gnuplot -e "set terminal pngcairo size 800,560 noenhanced; set grid; $p"
done
