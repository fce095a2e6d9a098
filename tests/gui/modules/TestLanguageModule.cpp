// A language module for the tests, in the variant chosen by
// BELVANE_TEST_MODULE_VARIANT: 1 English, 2 wrong key, 3 no GetLanguage,
// 4 no exports at all.

#define BELVANE_EXPORT extern "C" __attribute__((visibility("default")))

#if BELVANE_TEST_MODULE_VARIANT != 4

namespace {

// The language dialog's texts and banner, and one message to tell it from the
// built-in set once in force.
const char kResourceText[] =
    "[strings]\n90\tLanguage\n91\tOK\n92\tCancel\n"
    "93\tThe change takes effect the next time the program starts.\n"
    "94\tWelcome! Choose the language of the program.\n95\t1033\n"
    "10002\tThere is nothing to undo.\n"
    "[image 127]\n/* XPM */\nstatic const char* const banner[] = {\n"
    "\"4 2 2 1\",\n\". c #FFFFFF\",\n\"k c #000000\",\n\"k..k\",\n\".kk.\"};\n";

}  // namespace

BELVANE_EXPORT const char* GetModuleKey() {
#if BELVANE_TEST_MODULE_VARIANT == 2
    return "Belvane Language DLL #3.6";
#else
    return "Belvane Language DLL #3.7";
#endif
}

#if BELVANE_TEST_MODULE_VARIANT != 3
BELVANE_EXPORT const char* GetLanguage() {
    return "English";
}
#endif

BELVANE_EXPORT const char* GetResourceText() {
    return kResourceText;
}

#else

// Not a language module: a library that happens to sit in the program's directory.
BELVANE_EXPORT int SomethingElse() {
    return 4;
}

#endif
