#include "app/frmstart.h"
#include "app/identity.h"
#include "platform/entry.h"

int main(int argc, char** argv) { return tess::RunDesktop(argc, argv, tess::Names(), tess::TessalineMain); }
