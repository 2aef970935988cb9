// Default options of the sanitizers, linked into every executable of a
// sanitizer build. The environment (ASAN_OPTIONS, LSAN_OPTIONS, UBSAN_OPTIONS)
// still overrides them.

extern "C" {

const char* __asan_default_options()
{
    return "detect_leaks=1:check_initialization_order=1:strict_init_order=1:"
           "detect_stack_use_after_return=1";
}

const char* __lsan_default_options()
{
    return "suppressions=" OHMBROOK_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

} // extern "C"
