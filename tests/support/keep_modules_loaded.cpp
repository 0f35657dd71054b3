// Linked into every program of the sanitizer build only. Shared libraries are never unloaded, so that
// LeakSanitizer can still name the library of a leak at exit: Mesa's software driver leaks one block when it
// unloads, and only a leak whose library has a name can be suppressed without hiding others.
extern "C" int dlclose(void*) {
    return 0;
}
