# Reads the output of a ctest run of GoogleTest programs and prints the tests that failed, one
# a line: those that reported a failure, and those that started and never reported (a crash or
# a timeout), marked "(did not finish)". When the output names no test at all, prints the
# failed ctest tests instead, with ctest's reason.

# The first word after the marker m on this line.
function field_after(m,    rest) {
  rest = substr($0, index($0, m) + length(m))
  sub(/ .*/, "", rest)
  return rest
}
function failed(name) { print name; named = 1; running = "" }
function unfinished() { if (running != "") failed(running " (did not finish)") }

{ sub(/\r$/, "") }   # Windows programs end their lines with CR LF

/\[ RUN      \] / { unfinished(); running = field_after("[ RUN      ] "); next }
/\[       OK \] / { if (field_after("[       OK ] ") == running) running = ""; next }
/\[  SKIPPED \] / { if (field_after("[  SKIPPED ] ") == running) running = ""; next }
/\[  FAILED  \] / {
  name = field_after("[  FAILED  ] ")
  sub(/,$/, "", name)   # a parameterised test: "Name/0, where GetParam() = ..."
  if (name == running) failed(name)
  next
}
/^The following tests FAILED:/ { unfinished(); in_list = 1; next }
in_list && /^[ \t]+[0-9]+ - / { sub(/^[ \t]+[0-9]+ - /, ""); ctest_failed[++count] = $0; next }
{ in_list = 0 }

END {
  unfinished()
  if (!named) for (i = 1; i <= count; i++) print ctest_failed[i]
}
