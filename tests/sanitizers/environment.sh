# Sourced by the test command before it builds and runs the sanitizer build: any report stops
# the program with a stack trace, and LeakSanitizer knows which system libraries keep memory
# until exit.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$here/lsan.supp:print_suppressions=0
unset here
