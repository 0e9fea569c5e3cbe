# Sums one callgrind dump (written with --compress-strings=no) into the cost
# of each function: "self" counts its own instructions, "incl" adds those of
# everything it calls. Prints "self|incl <instructions> <function>" lines.
/^fn=/ { fn = substr($0, 4); next }
/^calls=/ { call = 1; next }
/^([0-9]|\+|-|\*)/ {
    if (fn == "") next
    incl[fn] += $2
    if (!call) self[fn] += $2
    call = 0
    next
}
{ call = 0 }
END {
    for (f in self) printf "self %.0f %s\n", self[f], f
    for (f in incl) printf "incl %.0f %s\n", incl[f], f
}
