#include "cli/commands.h"
#include "core/platform/native_file.h"

int main(int argc, char** argv)
{
    kvr::platform::useUntranslatedStandardStreams();
    return kvrcli::runCli(argc, argv);
}
