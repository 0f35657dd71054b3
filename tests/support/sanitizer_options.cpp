// Linked into every program of the sanitizer build only: the sanitizers' runtime takes these options unless
// the environment names others, so any report ends the program with status 1, which no test expects, and
// shows the frames of undefined behaviour too.
extern "C" const char* __asan_default_options() {
    return "halt_on_error=1:detect_leaks=1:exitcode=1";
}

extern "C" const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}
