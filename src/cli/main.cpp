#include "cli/commands.h"

int main(int argc, char** argv) { return kvrcli::runCli(argc, argv); }
