#include "tamovid/app/desktop/startup.h"

int main(int argc, char** argv) { return tamovid::RunApplication(argc, argv); }
