#include "app/CBelvaneApp.h"

int main(int argc, char** argv) {
    return belvane::CBelvaneApp::Main(argc, argv);
}
