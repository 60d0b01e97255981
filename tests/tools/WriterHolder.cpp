// Holds a collection build open, for the tests of what becomes of its
// temporary file when the process is stopped: starts writing argv[1], says
// "pronto" and waits. A line "gravar" on its input commits; the end of its
// input abandons the build.

#include "BuildError.h"
#include "CollectionWriter.h"

#include <QString>

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    using namespace corvanel::collection;
    if (argc != 2) {
        std::cerr << "uso: collection_writer_holder SAIDA\n";
        return 2;
    }
    try {
        CollectionWriter writer(QString::fromLocal8Bit(argv[1]), QStringLiteral("/r/"));
        writer.add(Card{1, QStringLiteral("Título"), {}, QStringLiteral("A"), {}, {}, {}});
        std::cout << "pronto" << std::endl;
        std::string line;
        if (std::getline(std::cin, line) && line == "gravar") {
            writer.commit();
        }
        return 0;
    } catch (const BuildError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
