// Display names, codes and letters of every answer. A table's row number is
// the value stored in PROFILE unless the table says otherwise.
#pragma once

#include <array>
#include <string_view>

#include "profile/profile.h"
#include "profile/tokens.h"

namespace brindlex {

// --- Species ---------------------------------------------------------------

struct SpeciesFamily {
    std::string_view name;
    std::string_view code;
    // Species letters in list order: position i + 1 is written letters[i].
    std::string_view letters;
    std::array<std::string_view, 15> species;

    int speciesCount() const { return static_cast<int>(letters.size()); }
};

constexpr int kFamilyCount = 27;
constexpr unsigned kFamilyTaur = 4;  // "Centaur"
constexpr unsigned kFamilyPolymorph = 25;
constexpr unsigned kFamilyOther = 26;

// clang-format off
inline constexpr std::array<SpeciesFamily, kFamilyCount> kFamilies = {{
    {"Undecided", "?", "", {}},
    {"Artiodactyla (Two-Hoofed)", "AR", "abcdefglmnprswz",
     {"Antelope", "Buffalo", "Cattle", "Deer", "Camel", "Giraffe", "Goat", "Llama", "Moose", "Gnu",
      "Pig", "Reindeer", "Sheep", "Warthog", "Gazelle"}},
    {"Avian", "A", "adefghkorsw",
     {"Albatross", "Duck", "Eagle", "Falcon", "Seagull", "Hawk", "Kiwi", "Owl", "Raven", "Sparrow",
      "Wren"}},
    {"Canidae (Dog)", "C", "acdfjmwx",
     {"Arctic Fox", "Coyote", "Dingo", "Fox", "Jackal", "Mutt", "Wolf", "Manned Wolf"}},
    {"Centaur", "CE", "hz", {"Common", "Zeebra"}},
    {"Chiroptera (Bat)", "CH", "fv", {"Flying Fox/Fruit Bat", "Vampire Bat"}},
    {"Cetacea (Whale)", "CT", "d", {"Dolphin"}},
    {"Equidae (Horse)", "E", "dhz", {"Donkey", "Horse", "Zebra"}},
    {"Edentata", "ED", "ars", {"Anteater", "Armadillo", "Sloth"}},
    {"Feline (Cat)", "F", "bcdhjlmopstvwx",
     {"Bobcat", "Clouded Leopard", "Domesticated Cat", "Cheetah", "Jaguar", "Lion",
      "Puma/Cougar/Mtn Lion", "Ocelot", "Leopard/Panther", "Tiger", "ServalWild Cat", "Lynx",
      "Caracal", "Snow Leopard"}},
    {"Herpestidae (Mongoose)", "H", "km", {"Meerkat", "Mongoose"}},
    {"Hyaenidae", "HY", "h", {"Hyena"}},
    {"Insectivora", "I", "hm", {"Hedgehog", "Mole"}},
    {"Lagomorpha (Rabbit)", "L", "hjr", {"Hare", "Jack Rabbit", "Rabbit"}},
    {"Mustelidae (Weasel)", "M", "abefkmoprsvw",
     {"Sable", "Badger", "Ermine/Stoat", "Ferret", "Mink", "Marten", "Otter", "Polecat",
      "Ratel/Honey Badger", "Skunk", "Wolverine", "Weasel"}},
    {"Marsupialia", "MA", "bkoptw",
     {"Wombat", "Kangaroo", "Koala", "Possum", "Tasmanian Devil", "Wallaby"}},
    {"Monotremata (Platypy)", "MO", "p", {"Platypus"}},
    {"Procyonidae (Racoon)", "P", "r", {"Raccoon"}},
    {"Pinnipedia (Seal)", "PI", "lsw", {"Sealion", "Seal", "Walrus"}},
    {"Primate", "PR", "lam", {"Lemur", "Ape", "Monkey"}},
    {"Rodentia", "R", "bgmprsu",
     {"Beaver", "Grey Squirrel", "Mouse", "Porcupine", "Rat", "Red Squirrel", "Muskrat"}},
    {"Scaly", "S", "acdklst",
     {"Alligator/Crocodile", "Coelurosaur (Velociraptor, etc)", "Dragon",
      "Carnosaur (Tyrannosaurus, etc)", "Lizard", "Snake", "Tortoise/Turtle"}},
    {"Ursidae (Bear)", "U", "abgp",
     {"Bear (Polar)", "Bear (Black)", "Bear (Grizzly/Brown/Kodiak)", "Panda"}},
    {"Viverridae (Civet)", "V", "c", {"Civet"}},
    {"Mythical", "X", "acghm", {"Gargoyle", "Manticore", "Gryphon", "Hippogriff", "Mermaid/Merman"}},
    {"Polymorph", "Z", "", {}},
    {"Other", "O", "", {}},
}};
// clang-format on

// The code written for a `speciesFamily` value; 27..31 are written as "Other".
std::string_view FamilyCode(unsigned family);
// The letter of a species, or '\0' when the pair has none.
char SpeciesLetter(unsigned family, unsigned index);
// The family of a code ("C", "CE"), or -1.
int FamilyByCode(std::string_view code);
// The 1-based species position of `letter` in `family`, or 0.
unsigned SpeciesByLetter(unsigned family, char letter);

// --- Genders ---------------------------------------------------------------

inline constexpr std::array<std::string_view, 4> kCharacterGenders = {"Polymorph", "Male", "Female",
                                                                      "Herm"};
inline constexpr std::array<std::string_view, 4> kOwnGenders = {"Unspecify", "Male", "Female",
                                                                "Herm"};
inline constexpr std::array<char, 4> kCharacterGenderLetters = {'p', 'm', 'f', 'h'};
inline constexpr std::array<char, 4> kOwnGenderLetters = {kNoAnswerMark, 'm', 'f', 'h'};

// --- Character traits, in the order of their check boxes --------------------

struct Trait {
    std::string_view name;
    unsigned bit;  // in specificsFlags
    char letter;
};

constexpr int kTraitCount = 17;
constexpr unsigned kTraitPolymorphBit = 4;
constexpr unsigned kTraitTaurBit = 6;

// clang-format off
inline constexpr std::array<Trait, kTraitCount> kTraits = {{
    {"Cyborg", 0, 'c'},  {"Toon", 1, 'l'},    {"Werehuman", 2, 'h'}, {"Magical", 3, 'm'},
    {"Polymorph", 4, 'p'}, {"Psychic", 5, 'y'}, {"Taur", 6, 't'},    {"Unicorn", 7, 'u'},
    {"Vampire", 9, 'v'}, {"Winged", 8, 'w'},  {"Alter Ego", 10, 'a'},
    {"Costume Character", 11, 'd'}, {"Picture Character", 12, 'i'},
    {"Imaginary Friend", 13, 'f'},  {"RP Character", 14, 'r'},
    {"Guardian Character", 15, 'g'}, {"Story Character", 16, 's'},
}};
// clang-format on

// The trait written with `letter`, or nullptr.
const Trait* TraitByLetter(char letter);

// --- Work and trained fields ------------------------------------------------

struct WorkType {
    std::string_view name;
    std::string_view code;
    int trainedField;  // bit of trainedFlags, -1 when the row is no trained field
};

constexpr int kWorkTypeCount = 28;
constexpr int kTrainedFieldCount = 21;

// clang-format off
inline constexpr std::array<WorkType, kWorkTypeCount> kWorkTypes = {{
    {"Unspecify", "#", -1},
    {"Arts", "ar", 0},
    {"Business/Management", "bm", 1},
    {"Crafts", "cr", 2},
    {"Construction", "cs", 3},
    {"Technology", "tc", 4},
    {"Generic Engineer", "ge", 5},
    {"Eduction", "ed", 6},
    {"Farming", "fa", 7},
    {"Banking/Finance", "bf", 8},
    {"Government/Public Service", "gp", 9},
    {"Law", "lw", 10},
    {"Writing/Literature", "wl", 11},
    {"Music", "ms", 12},
    {"Armed Forces", "af", 13},
    {"Media/Communication", "mc", 14},
    {"Human Medicine", "hm", 15},
    {"Retail", "rt", 16},
    {"Science", "sc", 17},
    {"Student", "st", -1},
    {"Theatre", "th", 18},
    {"Transportation", "tr", 19},
    {"Vetinary", "vt", 20},
    {"Furry Relations", "+", -1},
    {"All Around", "at", -1},
    {"Other", "+", -1},
    {"Looking for work", "*", -1},
    {"Not working", "-", -1},
}};
// clang-format on

constexpr unsigned kWorkOther = 25;
constexpr unsigned kWorkLooking = 26;
constexpr unsigned kWorkNotWorking = 27;

// Work-list row of each trained field.
inline constexpr std::array<int, kTrainedFieldCount> kTrainedFieldRows = {
    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 22};

// The work row whose two-letter code is `code`, or -1.
int WorkTypeByCode(std::string_view code);

// --- Games and operating systems ---------------------------------------------

struct Choice {
    std::string_view name;
    char letter;
};

// clang-format off
inline constexpr std::array<Choice, 9> kGames = {{
    {"RPG", 'r'}, {"MMORPG", 'm'}, {"FPS", 'f'}, {"Action/Adventure", 'a'}, {"Music/Dance", 'z'},
    {"Board and Card", 'b'}, {"Puzzle", 'p'}, {"Sports", 's'}, {"Other", '*'},
}};
inline constexpr std::array<Choice, 5> kOperatingSystems = {{
    {"Windows", 'w'}, {"Mac", 'm'}, {"Linux", 'l'}, {"Unix", 'u'}, {"Other", '*'},
}};
// clang-format on

// --- Answer values -------------------------------------------------------------

// Attraction towards guys or girls; the lists show these three and store row + 1.
inline constexpr std::array<std::string_view, 3> kAttractionNames = {"Sexually Attracted",
                                                                     "Not Attracted To", "Unsure"};
inline constexpr std::array<char, 4> kAttractionMarks = {'!', '+', '-', '*'};

inline constexpr std::array<std::string_view, 4> kKinkAnswerNames = {"Unspecify", "Like", "Dislike",
                                                                     "Maybe"};
inline constexpr std::array<char, 4> kKinkMarks = {kNoAnswerMark, '+', '-', '*'};

// --- Kinks -------------------------------------------------------------------

struct Kink {
    std::string_view name;
    std::string_view code;  // empty: never written
};

// clang-format off
inline constexpr std::array<Kink, kKinkCount> kKinks = {{
    {"Fursuit", "Su"}, {"Plushies", "Ps"}, {"Zoophilia", "Zo"}, {"Age Play", "Ap"},
    {"Anal", "An"}, {"Anything Goes", "A"}, {"Biting", "B"}, {"Blood", "Bl"},
    {"Bondage", "Bd"}, {"Branding", "Br"}, {"Breast Play", "Bp"}, {"Breath Control", "Bc"},
    {"Breeding", "Be"}, {"Boot Worship", "Bo"}, {"Castration", "Ca"}, {"CBT", "Cb"},
    {"Chemical Influence", "Ch"}, {"Cunt Worship", "Cu"}, {"Cum (love of)", "Cl"},
    {"Cum (covered in)", "Cc"}, {"Cock Worship", "Co"}, {"Crossdressing", "Cr"},
    {"Consensual", "Cn"}, {"Cuddling", "C"}, {"Dominate", "D"}, {"Dolls", "Dl"},
    {"Diapers", "Di"}, {"Discipline", "Ds"}, {"Dirty Talk", "Dt"}, {"Disobedient", "Do"},
    {"Dyes", "Dy"}, {"Enema", ""}, {"E-Stim", "El"}, {"Exibitionist", "Ex"},
    {"Experienced", "E"}, {"Food Play", "Fo"}, {"Feet", "Ft"}, {"Fear", "Fr"},
    {"Feminization", "Fe"}, {"Fisting", "Fi"}, {"Humiliation", "Hu"}, {"Incest", "Ic"},
    {"Inexperienced", "In"}, {"Infantilist", "If"}, {"Inflation", "Il"}, {"In-Heat", "Ih"},
    {"Lactophile", "La"}, {"Large Body", "Lg"}, {"Latex", "Lt"}, {"Leather", "Le"},
    {"Leashes and Collars", "Lc"}, {"Machinist", "Mc"}, {"Machinery", "Me"}, {"Magical", "Ma"},
    {"Mastering", "Ms"}, {"Masterbation", "Mb"}, {"Messy", "My"}, {"Mind Control", "Mi"},
    {"Musky", ""}, {"Nipple Torture", "Nt"}, {"Nullification", "Nu"}, {"Oral", "Or"},
    {"Orgasm Denial", "Od"}, {"Orgy", "Og"}, {"Panties", ""}, {"Pet Play", ""},
    {"Piercing", "Pi"}, {"Predator", "Pr"}, {"Pregnancy", "Pg"}, {"Prey", "Py"},
    {"Rape", "Ra"}, {"Rimming", "Ri"}, {"Role Play", "R"}, {"Romantic", "Ro"},
    {"Sadist", "Sa"}, {"Scat", "Sc"}, {"Short Body", ""}, {"Small Body", "Sm"},
    {"Snuff", "Sn"}, {"Spanking", "Sp"}, {"Squishing", "Sq"}, {"Squirting", "Sr"},
    {"Submissive", "Sb"}, {"Switch", "Sw"}, {"Tall Body", ""}, {"Tattoing", "Ta"},
    {"Teasing", "Te"}, {"Tickling", "T"}, {"Toys", ""}, {"Tentacles", "Tn"},
    {"Transforming", "Tf"}, {"Uninterested", "Ui"}, {"Vampirism", "Vp"}, {"Vore", "Vo"},
    {"Voyeur", "Vy"}, {"Watersports", "Ws"},
}};

// The order in which the code line writes kink tokens.
inline constexpr std::array<std::string_view, 89> kKinkWritingCodes = {
    "Su", "Zo", "Ps", "A", "Ap", "An", "B", "Bl", "Br", "Bp", "Bc", "Be", "Bo", "Bd", "C", "Ca",
    "Cb", "Ch", "Co", "Cn", "Cr", "Cu", "Cl", "Cc", "D", "Di", "Ds", "Dt", "Do", "Dl", "Dy", "E",
    "El", "Ex", "Fo", "Ft", "Fr", "Fe", "Fi", "Hu", "Ic", "In", "If", "Il", "Ih", "La", "Lg", "Lt",
    "Le", "Lc", "Mc", "Me", "Ma", "Mb", "Ms", "My", "Mi", "Nt", "Nu", "Or", "Od", "Og", "Pi", "Pr",
    "Pg", "Py", "R", "Ra", "Ri", "Ro", "Sa", "Sc", "Sm", "Sn", "Sp", "Sq", "Sr", "Sb", "Sw", "T",
    "Ta", "Te", "Tn", "Tf", "Ui", "Vp", "Vo", "Vy", "Ws",
};
// clang-format on

// The list position of the kink written `code`, or -1.
int KinkByCode(std::string_view code);

// Completes the question "Do you like to ", by kink list position.
extern const std::array<std::string_view, kKinkCount> kKinkDescriptions;

}  // namespace brindlex
