#include "quenmar_app.h"

CQuenmarApp theApp;

int main(int argc, char* argv[]) { return AfxWinMain(argc, argv); }
