#include "cli/clicatalogue.h"

#include "engine/datafolder.h"

#include <iostream>

std::optional<std::string> cliDataDir(const std::optional<std::string>& dataOption)
{
    const Catalogue catalogue = openCatalogue(processCataloguePlaces(dataOption));
    if (catalogue.dir.empty()) {
        std::cerr << "error: " << catalogue.failure << "\n";
        return std::nullopt;
    }
    return catalogue.dir;
}

std::string cliCatalogueHelp()
{
    return catalogueHelp(processCataloguePlaces(std::nullopt));
}
