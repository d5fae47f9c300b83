# Compares two CSV tables of numbers cell by cell: the same text, or two numbers
# within 1e-6 relative (1e-9 absolute near zero). Names the first 20 cells that
# differ and exits 1 if any does. Cells hold no quoted commas.
#   awk -f same-numbers.awk expected.csv actual.csv
BEGIN { FS = "," }
function number(s) { return s ~ /^[-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][-+]?[0-9]+)?$/ }
function abs(x) { return x < 0 ? -x : x }
NR == FNR { expected[FNR] = $0; rows = FNR; next }
{
    n = split(expected[FNR], want, FS)
    if (n != NF) { bad++; print "line " FNR ": " NF " cells, expected " n; next }
    for (i = 1; i <= NF; i++) {
        if ($i == want[i]) continue
        if (number($i) && number(want[i])) {
            tol = 1e-6 * abs(want[i]); if (tol < 1e-9) tol = 1e-9
            if (abs($i - want[i]) <= tol) continue
        }
        if (++bad <= 20) print "line " FNR ", cell " i ": " $i " (expected " want[i] ")"
    }
}
END {
    if (FNR != rows) { print "different number of lines"; bad++ }
    exit bad > 0
}
