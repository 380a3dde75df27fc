# Sourced by the command-line scripts (it is not a test of its own): check,
# which compares and records a failure in $fail, the C locale, and the
# results of the numbers 2, 4, 4 and 5 as the analyser prints them.
fail=0
check() { # name expected actual
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "--- expected"; printf '%s\n' "$2"; echo "--- actual"; printf '%s\n' "$3"; fail=1
  else
    echo "ok: $1"
  fi
}
export LC_ALL=C LANG=C
# The texts compared here are the English ones: a script that sets a locale
# for its numbers keeps the English words, as a user with LANGUAGE=en does.
export LANGUAGE=en

# The numbers 2, 4, 4 and 5, sample, three decimals.
# shellcheck disable=SC2034  # used by the scripts that source this
expected_2445='The number of entries is: 4
The sum of the numbers are: 15
The sum squared is: 225
The sum of squares is: 61
The mode is: 4
The median is: 4
The mean is: 3.75
The variance is: 1.583
The skew is: -1.129
The average deviation is: 0.875
The standard deviation is: 1.258
The coefficient of variation is: 33.555 %'
