#include "tools/player_names.h"

#include <array>
#include <set>
#include <string_view>

namespace tiebreak {
namespace {

// Names are combinations of common first names and surnames of each country, written in UTF-8
// as Swiss Manager writes them: some have letters beyond ASCII.
struct Country {
    std::string_view federation;
    std::array<std::string_view, 8> surnames;
    std::array<std::string_view, 6> firstNames;
};

constexpr std::array<Country, 10> Countries = {{
    {"GER",
     {"Brandmeier", "Kessler", "Vogt", "Hartung", "Möller", "Schubach", "Lindner", "Ahrens"},
     {"Jonas", "Katrin", "Malte", "Svenja", "Till", "Jürgen"}},
    {"AUT",
     {"Gruber", "Pichlmayr", "Steininger", "Hofbauer", "Wallner", "Eder", "Zauner", "Reiter"},
     {"Lukas", "Theresa", "Florian", "Magdalena", "Matthias", "Verena"}},
    {"NED",
     {"de Vries", "Bakker", "Visser", "van Dalen", "Mulder", "Brouwer", "Jansma", "Kuipers"},
     {"Sander", "Femke", "Joost", "Lieke", "Bram", "Anouk"}},
    {"DEN",
     {"Sørensen", "Holm", "Kjærgaard", "Lund", "Dalgaard", "Vestergaard", "Bruun", "Østergaard"},
     {"Mikkel", "Sofie", "Rasmus", "Ida", "Søren", "Freja"}},
    {"SWE",
     {"Lindqvist", "Bergström", "Åkesson", "Nyberg", "Sjöberg", "Hedlund", "Forsman", "Ekdahl"},
     {"Björn", "Linnea", "Oskar", "Elin", "Viktor", "Maja"}},
    {"CZE",
     {"Novotný", "Dvořáček", "Kratochvíl", "Šimek", "Horák", "Beneš", "Kolář", "Pokorný"},
     {"Jakub", "Tereza", "Ondřej", "Klára", "Tomáš", "Lucie"}},
    {"POL",
     {"Kowalczyk", "Zieliński", "Wróblewski", "Nowakowski", "Dąbrowski", "Lis", "Mazur", "Sikora"},
     {"Paweł", "Agnieszka", "Krzysztof", "Łucja", "Marek", "Zofia"}},
    {"ESP",
     {"Ibáñez", "Herrera", "Castaño", "Moreno", "Navarro", "Peñalver", "Rubio", "Serrano"},
     {"Javier", "Lucía", "Álvaro", "Carmen", "Diego", "Nuria"}},
    {"FRA",
     {"Lefèvre", "Garnier", "Rousseau", "Chevalier", "Moreau", "Fournier", "Bréhat", "Lacombe"},
     {"Étienne", "Camille", "Julien", "Manon", "Thibault", "Océane"}},
    {"ENG",
     {"Whitfield", "Ashworth", "Pemberton", "Holloway", "Fairbanks", "Kendrick", "Marlow",
      "Thorne"},
     {"Oliver", "Harriet", "James", "Eleanor", "Callum", "Imogen"}},
}};

// Redraws before a repeated name is accepted.
constexpr int DrawsPerName = 20;

PlayerIdentity drawIdentity(PortableRandom& random) {
    const Country& country = Countries[random.below(Countries.size())];
    const std::string_view surname = country.surnames[random.below(country.surnames.size())];
    const std::string_view first = country.firstNames[random.below(country.firstNames.size())];
    std::string name(surname);
    name += ", ";
    name += first;
    return {std::move(name), std::string(country.federation)};
}

}  // namespace

std::vector<PlayerIdentity> makeIdentities(std::uint32_t count, PortableRandom& random) {
    std::vector<PlayerIdentity> identities;
    identities.reserve(count);
    std::set<std::string> used;
    for (std::uint32_t i = 0; i < count; ++i) {
        PlayerIdentity identity = drawIdentity(random);
        for (int draw = 1; draw < DrawsPerName && used.count(identity.name) != 0; ++draw) {
            identity = drawIdentity(random);
        }
        used.insert(identity.name);
        identities.push_back(std::move(identity));
    }
    return identities;
}

}  // namespace tiebreak
