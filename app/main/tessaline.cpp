#include "app/frmstart.h"
#include "platform/entry.h"

int main(int argc, char** argv) { return tess::RunDesktop(argc, argv, tess::TessalineMain); }
