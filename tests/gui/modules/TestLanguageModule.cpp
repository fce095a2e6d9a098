// A language module for the tests, in the variant chosen by
// BELVANE_TEST_MODULE_VARIANT: 1 English, 2 wrong key, 3 no GetLanguage,
// 4 no exports at all.

#define BELVANE_EXPORT extern "C" __attribute__((visibility("default")))

#if BELVANE_TEST_MODULE_VARIANT != 4

namespace {

// Small but complete enough to check that its entries replace the built-in ones.
const char kResourceText[] =
    "# English test resources\n"
    "[strings]\n"
    "90\tLanguage\n"
    "91\tOK\n"
    "92\tCancel\n"
    "93\tThe change takes effect the next time the program starts.\n"
    "94\tWelcome! Choose the language of the program.\n"
    "95\t1033\n"
    "10002\tThere is nothing to undo.\n"
    "32776\tInserts a new line\\nNew line\n"
    "57344\tBelvane\n"
    "[menu 209]\n"
    "POPUP\tRegister\n"
    "ITEM\t57643\t&Undo\n"
    "SEPARATOR\n"
    "ITEM\t32776\t&New line...\n"
    "END\n"
    "[accelerators 128]\n"
    "32776\tIns\n"
    "[dialog 168]\n"
    "0\tStatement mode\n"
    "1127\t&Statement date:\n"
    "[image 127]\n"
    "/* XPM */\n"
    "static const char* const banner[] = {\n"
    "\"4 2 2 1\",\n"
    "\". c #FFFFFF\",\n"
    "\"k c #000000\",\n"
    "\"k..k\",\n"
    "\".kk.\"};\n";

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
