#include "app/HalvexApp.h"

int main(int argc, char **argv)
{
    return halvex::HalvexApp::main(argc, argv);
}
