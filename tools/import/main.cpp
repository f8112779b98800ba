// zelvora-import: converts dictd dictionaries into Zelvora dictionary files.
#include "import/CommandLine.h"
#include "import/Import.h"
#include "import/ImportError.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    using namespace zelvora::dictd;
    try {
        const Options options = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::cout << helpText();
            return 0;
        }
        if (options.version) {
            std::cout << "zelvora-import 1.15\n";
            return 0;
        }
        const ImportReport report = runImport(options);
        std::cerr << "zelvora-import: " << describe(report);
        return 0;
    } catch (const UsageError &error) {
        std::cerr << "zelvora-import: " << error.what() << "\nTry 'zelvora-import --help'.\n";
        return 2;
    } catch (const ImportError &error) {
        std::cerr << "zelvora-import: " << error.what() << "\n";
        return 1;
    } catch (const std::exception &error) {
        std::cerr << "zelvora-import: " << error.what() << "\n";
        return 1;
    }
}
