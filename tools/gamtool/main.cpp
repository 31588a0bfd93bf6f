// gamtool: the puzzle author's command-line tool.
#include <iostream>
#include <string>
#include <vector>

#include "Dump.h"
#include "model/Gamefile.h"

namespace {

int usage()
{
    std::cerr << "usage:\n"
                 "  gamtool dump FILE\n"
                 "  gamtool copy IN OUT\n";
    return 2;
}

int cannotLoad(const std::string& fileName, const std::string& why)
{
    std::cerr << "gamtool: " << fileName << ": " << why << '\n';
    return 1;
}

int dump(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return usage();
    std::string error;
    if (!dumpGameFile(args[0], std::cout, error))
        return cannotLoad(args[0], error);
    return 0;
}

int copy(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return usage();
    ClGameFile file;
    if (!file.load(args[0]))
        return cannotLoad(args[0], file.loadError());
    if (!file.save(args[1]))
        return cannotLoad(args[1], "cannot be written");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "dump")
        return dump(args);
    if (command == "copy")
        return copy(args);
    return usage();
}
