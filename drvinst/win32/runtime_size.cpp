// The program image must fit in the 131072 bytes before the appended
// package, with the C++ runtime linked in. Two parts of that runtime would
// take most of the space although this program never throws:
// - the default terminate handler, which prints the demangled type of an
//   uncaught exception, and with it the demangler;
// - the functions through which the library throws (std::__throw_*), which
//   bring the exception classes and a second string implementation;
// - its compiled std::string and std::wstring, each one piece with every
//   member.
// The runtime's manual allows a program to define the first two itself;
// here they end the process with one failure line and status 1, which is
// what the other builds' entry point does with an exception nobody else
// catches. The strings are instantiated here instead, one section per
// member, so that the linker keeps only the members the program calls.

#include <cstdio>
#include <cstdlib>
#include <string>

template class std::basic_string<char>;
template class std::basic_string<wchar_t>;

namespace {
[[noreturn]] void stop(const char *why) {
  std::fputs("drvinst: stopped: ", stderr);
  std::fputs(why, stderr);
  std::fputs("\n", stderr);
  std::exit(1);
}
} // namespace

namespace __gnu_cxx {
void __verbose_terminate_handler() {
  stop("unexpected error");
}
} // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() {
  stop("out of memory");
}
void __throw_bad_array_new_length() {
  stop("out of memory");
}
void __throw_bad_function_call() {
  stop("unexpected error");
}
void __throw_length_error(const char *) {
  stop("text too long");
}
void __throw_logic_error(const char *) {
  stop("unexpected error");
}
void __throw_out_of_range_fmt(const char *, ...) {
  stop("unexpected error");
}
} // namespace std
