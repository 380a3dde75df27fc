#!/usr/bin/env bash
# The function-length check on small files with one case each: what it must
# flag and what it must let pass (a body of exactly the limit, braces in
# strings, comments and directives, class and namespace bodies, lambdas
# counted with their function).
set -euo pipefail
check=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failed=0

# body N: N lines of statements.
body() { for ((k = 0; k < $1; k++)); do echo "  x += $k;"; done; }

expect() {  # expect NAME flagged|passes FILE
  local name=$1 want=$2 file=$3 got
  if python3 "$check" --max 10 "$file" >"$dir/out" 2>&1; then got=passes; else got=flagged; fi
  if [ "$got" != "$want" ]; then
    echo "FAIL $name: expected $want, got $got"; cat "$dir/out"; failed=1
  else
    echo "ok   $name"
  fi
}

{ echo "int F(int x) {"; body 8; echo "}"; } >"$dir/at_limit.cpp"
expect "a body of exactly the limit" passes "$dir/at_limit.cpp"

{ echo "int F(int x) {"; body 9; echo "}"; } >"$dir/over.cpp"
expect "a body one line over" flagged "$dir/over.cpp"

{ echo "namespace n {"; echo "class C {"; echo " public:"; echo "  int F(int x) const {"; body 9; echo "  }"; echo "};"; echo "}"; } >"$dir/member.cpp"
expect "a member function in a class in a namespace" flagged "$dir/member.cpp"

{ echo "namespace n {"; for ((k = 0; k < 30; k++)); do echo "int F$k();"; done; echo "}"; } >"$dir/namespace.cpp"
expect "a long namespace of declarations" passes "$dir/namespace.cpp"

{ echo "C::C(int a) : a_{a}, b_(a) {"; body 9; echo "}"; } >"$dir/constructor.cpp"
expect "a constructor with braced initialisers" flagged "$dir/constructor.cpp"

{ echo "int F(int x) {"; echo '  const char* s = "{{";'; echo "  char c = '{';"; echo "  // {"; echo "#define X {"; body 5; echo "}"; } >"$dir/braces_in_text.cpp"
expect "braces in a string, a character, a comment and a directive" flagged "$dir/braces_in_text.cpp"

{ echo "int F(int x) {"; echo "  auto g = [&](int y) {"; body 8; echo "  };"; echo "  return g(x);"; echo "}"; } >"$dir/lambda.cpp"
expect "a lambda counts with its function" flagged "$dir/lambda.cpp"

{ echo "constexpr int kTable[] = {"; for ((k = 0; k < 30; k++)); do echo "  $k,"; done; echo "};"; } >"$dir/table.cpp"
expect "a long table is no function" passes "$dir/table.cpp"

{ echo "TEST(Suite, Case) {"; body 9; echo "}"; } >"$dir/macro.cpp"
expect "a function-like macro's body" flagged "$dir/macro.cpp"

exit "$failed"
