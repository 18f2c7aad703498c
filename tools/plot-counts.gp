# Plots the population counts that `pastura-replay --counts FILE` writes.
# usage: gnuplot -e "counts='counts.csv'; output='counts.png'" tools/plot-counts.gp
set datafile separator ','
set terminal pngcairo size 800,400 font ',10'
set output output
set title 'Pastura: live entities per tick'
set xlabel 'tick'
set ylabel 'live entities'
set yrange [0:105]
set key top left
set grid
plot counts using 1:2 with lines linewidth 2 linecolor rgb '#00a000' title 'plants', \
     counts using 1:3 with lines linewidth 2 linecolor rgb '#0000ff' title 'herbivores', \
     counts using 1:4 with lines linewidth 2 linecolor rgb '#ff0000' title 'carnivores'
