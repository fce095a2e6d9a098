// The built-in French resource set: every numbered resource the program looks up.
#include "core/CResourceSet.h"
#include "gui/support/CResources.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace belvane {
namespace {

using Kind = CResourceSet::MenuItem::Kind;

const CResourceSet& Fr() {
    return CResourceSet::Builtin();
}

std::vector<int> Range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

// The program's messages: 10000 to 10115 less the numbers nothing uses.
std::vector<int> MessageIds() {
    std::vector<int> ids;
    for (const auto& [first, last] : std::vector<std::pair<int, int>>{
             {10000, 10043}, {10046, 10089}, {10091, 10094}, {10096, 10110}, {10112, 10115}}) {
        const std::vector<int> part = Range(first, last);
        ids.insert(ids.end(), part.begin(), part.end());
    }
    return ids;
}

// Every command that a menu, the toolbar or an accelerator carries.
const std::vector<int> kCommands = {32775, 32776, 32777, 32778, 32779, 32780, 32781, 32782, 32786,
                                    32787, 32788, 32789, 32790, 32791, 32792, 32793, 32796, 32824,
                                    32838, 32839, 32840, 32844, 32849, 32852, 32854, 57600, 57601,
                                    57603, 57604, 57606, 57607, 57608, 57609, 57643, 57653, 57664,
                                    57665, 57670, 57680, 57681, 59392, 59393, 2};

TEST(ResourceBuiltin, HasEveryMessageAndFrameworkString) {
    std::vector<int> ids = MessageIds();
    for (const int id : {50,    51,    52,    90,    91,    92,    93,    94,    95,
                         96,    128,   57344, 57345, 59137, 59138, 59139, 59142, 59143,
                         59144, 61440, 61441, 61442, 61698, 61699, 61704, 61705, 61706})
        ids.push_back(id);
    for (const int id : Range(57616, 57624))
        ids.push_back(id);
    for (const int id : ids)
        EXPECT_FALSE(Fr().String(id).empty()) << "string " << id;
}

TEST(ResourceBuiltin, KeepsTheTextsGivenWordForWord) {
    EXPECT_EQ(Fr().String(93),
              "La modification sera prise en compte lors du prochain démarrage du programme.");
    EXPECT_EQ(Fr().String(90), "Langue");
    EXPECT_EQ(Fr().String(95), "1036");
    EXPECT_EQ(Fr().String(96), "Français");
    EXPECT_EQ(Fr().String(50), "Belvane.hlp");
    EXPECT_EQ(Fr().String(128),
              "Belvane\nSans-Nom\nBelvane\nBelvane (*.blv)\n.blv\nBelvane.Document\n"
              "Fichier de Belvane");
    EXPECT_EQ(Fr().String(59142), "REL (00.00.00)");
    EXPECT_EQ(Fr().String(59143), "REL (%s)");
    EXPECT_EQ(Fr().String(10079), "%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n");
    EXPECT_EQ(Fr().String(10070).find("Attention!!\nCette fonction"), 23u);
    EXPECT_EQ(Fr().String(10099), "Jan. %y");
    EXPECT_EQ(Fr().String(10110), "Dec. %y");
    EXPECT_EQ(Fr().String(32776), "Insère une nouvelle ligne\nNouvelle ligne");
    EXPECT_EQ(Fr().String(32796),
              "Indique s'il faut ou non effectuer une copie de sauvegarde du fichier\n"
              "Backup en sortie");
    // The translators' page of string 94 is a web address.
    EXPECT_NE(Fr().String(94).find("https://"), std::string::npos);
}

TEST(ResourceBuiltin, EveryCommandHasAPromptAndATooltip) {
    for (const int id : kCommands) {
        const std::string& text = Fr().String(id);
        const std::size_t newline = text.find('\n');
        ASSERT_NE(newline, std::string::npos) << "command " << id;
        EXPECT_GT(newline, 0u) << "command " << id;
        EXPECT_LT(newline + 1, text.size()) << "command " << id;
    }
}

// Flattens a menu: "P:text" for a popup (its items follow, then "END"),
// "id:text" for a command, "-" for a separator, "RECENT".
void Flatten(const std::vector<CResourceSet::MenuItem>& items, std::vector<std::string>& out) {
    for (const auto& item : items) {
        switch (item.kind) {
            case Kind::Popup:
                out.push_back("P:" + item.text);
                Flatten(item.children, out);
                out.push_back("END");
                break;
            case Kind::Command:
                out.push_back(std::to_string(item.id) + ":" + item.text);
                break;
            case Kind::Separator:
                out.push_back("-");
                break;
            case Kind::RecentFiles:
                out.push_back("RECENT");
                break;
        }
    }
}

TEST(ResourceBuiltin, MenuBarHasTheRegisterCommandsInOrder) {
    const auto* menu = Fr().Menu(128);
    ASSERT_NE(menu, nullptr);
    std::vector<std::string> flat;
    Flatten(*menu, flat);
    const std::vector<std::string> expected = {
        "P:&Fichier",
        "57600:&Nouveau\tCtrl+N",
        "57601:&Ouvrir...\tCtrl+O",
        "57603:&Enregistrer\tCtrl+S",
        "57604:En&registrer sous...",
        "32839:Nouvel exer&cice...",
        "32838:E&xporter vers fichier texte...",
        "-",
        "57607:&Imprimer...\tCtrl+P",
        "57609:Aperçu a&vant impression",
        "57606:Con&figuration de l'impression...",
        "32775:Rés&umé...",
        "-",
        "RECENT",
        "-",
        "57665:&Quitter",
        "END",
        "P:&Edition",
        "57643:&Annuler\tAlt+RetArr",
        "-",
        "32776:&Nouvelle ligne...\tInser",
        "32777:C&orriger la ligne...\tRetArr",
        "32778:&Supprimer la ligne\tSuppr",
        "-",
        "32779:&Mode relevé...\tCtrl+M",
        "32780:C&hercher...\tCtrl+H",
        "32781:&Totaux...\tCtrl+T",
        "32852:&Graphiques...\tCtrl+G",
        "-",
        "32849:&Calculatrice",
        "-",
        "32782:A&puration du compte...",
        "END",
        "P:E&ntités",
        "32786:&Moyens de paiements...",
        "32787:&Rubriques et sous rubriques...",
        "32788:&Débiteurs et créditeurs...",
        "END",
        "P:&Mouvements",
        "32789:&Gestion des mouvements automatiques...",
        "P:&Création de nouvelles transactions",
        "32790:Création &manuelle...",
        "32791:Création au&tomatique...\tCtrl+J",
        "32792:&Anticiper la création...",
        "END",
        "END",
        "P:&Options",
        "32854:&Langue...",
        "-",
        "32793:&Préférences...",
        "-",
        "32796:&Backup du fichier",
        "END",
        "P:&Affichage",
        "59392:&Barre d'outils",
        "59393:Barre d'é&tat",
        "57653:&Fractionner",
        "END",
        "P:&?",
        "57670:&Aide de Belvane",
        "-",
        "57664:&A propos de Belvane...",
        "END",
    };
    EXPECT_EQ(flat, expected);
}

TEST(ResourceBuiltin, ContextMenuIsOnePopupWithItsSeparators) {
    const auto* menu = Fr().Menu(209);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->size(), 1u);
    ASSERT_EQ((*menu)[0].kind, Kind::Popup);
    std::vector<std::string> flat;
    Flatten((*menu)[0].children, flat);
    const std::vector<std::string> expected = {
        "57643:&Annuler",
        "-",
        "32776:&Nouvelle ligne...",
        "32777:C&orriger la ligne...",
        "32778:&Supprimer la ligne",
        "-",
        "32779:&Mode relevé...",
        "32780:C&hercher...",
        "32781:&Totaux...",
        "-",
        "32849:&Calculatrice",
        "-",
        "32791:Création automat&ique de transactions...",
        "-",
        "57653:&Fractionner",
    };
    EXPECT_EQ(flat, expected);
}

TEST(ResourceBuiltin, WindowMenusOfTheReports) {
    for (const auto& [id, printText] :
         std::vector<std::pair<int, std::string>>{{190, "32824:&Imprimer..."},
                                                  {219, "32824:&Imprimer les totaux..."},
                                                  {231, "32824:&Imprimer les graphiques..."}}) {
        const auto* menu = Fr().Menu(id);
        ASSERT_NE(menu, nullptr) << id;
        ASSERT_EQ(menu->size(), 1u) << id;
        std::vector<std::string> flat;
        Flatten((*menu)[0].children, flat);
        EXPECT_EQ(flat, (std::vector<std::string>{"32840:&Afficher les lignes correspondantes...",
                                                  printText, "-", "2:&Sortie"}))
            << id;
    }
    const auto* lines = Fr().Menu(221);
    ASSERT_NE(lines, nullptr);
    std::vector<std::string> flat;
    Flatten(*lines, flat);
    EXPECT_EQ(flat, (std::vector<std::string>{"P:L&ignes", "32844:&Imprimer...", "-", "2:&Sortie",
                                              "END"}));
}

TEST(ResourceBuiltin, AcceleratorsOfTheRegister) {
    const auto* table = Fr().Accelerators(128);
    ASSERT_NE(table, nullptr);
    std::set<std::pair<int, QKeySequence>> found;
    for (const auto& a : *table) {
        const QKeySequence keys = CResources::Keys(a.keys);
        EXPECT_FALSE(keys.isEmpty()) << a.keys;
        found.insert({a.command, keys});
    }
    const std::set<std::pair<int, QKeySequence>> expected = {
        {32776, QKeySequence(Qt::Key_Insert)},
        {32777, QKeySequence(Qt::Key_Backspace)},
        {32778, QKeySequence(Qt::Key_Delete)},
        {57643, QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {57680, QKeySequence(Qt::Key_F6)},
        {57681, QKeySequence(Qt::SHIFT | Qt::Key_F6)},
        {32852, QKeySequence(Qt::CTRL | Qt::Key_G)},
        {32780, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {32791, QKeySequence(Qt::CTRL | Qt::Key_J)},
        {32779, QKeySequence(Qt::CTRL | Qt::Key_M)},
        {57600, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {57601, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {57607, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {57603, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {32781, QKeySequence(Qt::CTRL | Qt::Key_T)},
    };
    EXPECT_EQ(found, expected);
    EXPECT_EQ(table->size(), expected.size());
}

TEST(ResourceBuiltin, ToolbarAndItsPictureStrip) {
    const auto* toolbar = Fr().Toolbar(128);
    ASSERT_NE(toolbar, nullptr);
    const std::vector<int> expected = {57600, 57601, 57603, 0,     57643, 0,     32776, 32777,
                                       32778, 0,     32781, 32852, 0,     32779, 32791, 0,
                                       32786, 32787, 32788, 32789, 0,     32780, 32849};
    EXPECT_EQ(*toolbar, expected);

    const int buttons = static_cast<int>(
        std::count_if(toolbar->begin(), toolbar->end(), [](int command) { return command != 0; }));
    const QImage strip = CResources::Image(128).toImage();
    ASSERT_EQ(strip.size(), QSize(16 * buttons, 15));
    // Every button has a picture: no 16 x 15 cell is left fully transparent.
    for (int button = 0; button < buttons; ++button) {
        bool drawn = false;
        for (int y = 0; y < 15 && !drawn; ++y) {
            for (int x = 0; x < 16 && !drawn; ++x)
                drawn = strip.pixelColor(button * 16 + x, y).alpha() != 0;
        }
        EXPECT_TRUE(drawn) << "button " << button;
    }
}

TEST(ResourceBuiltin, BannerAndCursors) {
    const QImage banner = CResources::Image(127).toImage();
    ASSERT_EQ(banner.size(), QSize(200, 18));
    // A French flag in x 4..22, y 3..15: blue, white, red.
    EXPECT_GT(banner.pixelColor(7, 9).blue(), 150);
    EXPECT_LT(banner.pixelColor(7, 9).red(), 100);
    EXPECT_EQ(banner.pixelColor(13, 9), QColor(Qt::white));
    EXPECT_GT(banner.pixelColor(19, 9).red(), 150);
    EXPECT_LT(banner.pixelColor(19, 9).blue(), 100);
    EXPECT_EQ(banner.pixelColor(2, 9), QColor(Qt::white));  // outside the flag
    // The word follows the flag.
    bool text = false;
    for (int x = 24; x < 200 && !text; ++x) {
        for (int y = 0; y < 18 && !text; ++y)
            text = banner.pixelColor(x, y) == QColor(Qt::black);
    }
    EXPECT_TRUE(text);

    for (const int id : {172, 234}) {
        const QCursor cursor = CResources::Cursor(id);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << id;
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << id;
        const QPoint hot = cursor.hotSpot();
        // The hotspot sits on a drawn pixel.
        EXPECT_NE(cursor.pixmap().toImage().pixelColor(hot).alpha(), 0) << id;
    }
}

TEST(ResourceBuiltin, DialogsHaveTheirTitlesAndControls) {
    const std::vector<std::pair<int, std::string>> titles = {
        {100, "A propos de Belvane"},
        {102, "Affichage"},
        {137, "Entrée d'une nouvelle ligne"},
        {157, "Moyens de paiement"},
        {164, "Entrée d'un nouveau moyen de paiement"},
        {168, "Passage en Mode Relevé"},
        {169, "Créditeurs et débiteurs"},
        {171, "Entrée d'un nouveau débiteur ou créditeur"},
        {178, "Rubriques et Sous-Rubriques"},
        {182, "Entrée d'une nouvelle rubrique"},
        {183, "Entrée d'une nouvelle sous-rubrique"},
        {184, "Mouvements automatiques"},
        {185, "Entrée d'un nouveau mouvement automatique"},
        {187, "Création manuelle d'une transaction à partir de..."},
        {188, "Totaux"},
        {189, "Totaux par rubriques"},
        {195, "Chercher"},
        {200, "Colonnes"},
        {202, "Couleurs"},
        {204, "Répertoires"},
        {210, "Apuration du fichier"},
        {215, "Création d'un nouvel exercice"},
        {227, "Graphiques"},
        {236, "Langue"},
        {250, "Impression"},
    };
    for (const auto& [dialog, title] : titles)
        EXPECT_EQ(Fr().DialogText(dialog, 0), title) << dialog;

    EXPECT_EQ(Fr().DialogText(137, 1039), "Forc&er");
    EXPECT_EQ(Fr().DialogText(137, 1124), "Créer li&gne");
    EXPECT_EQ(Fr().DialogText(169, 1215), "Tr&i  A --> Z");
    EXPECT_EQ(Fr().DialogText(183, 1115), "Corriger dans tous le &fichier");
    EXPECT_EQ(Fr().DialogText(188, 501), "Totaux par &rubriques");
    EXPECT_EQ(Fr().DialogText(195, 1153), "Débiteu&r/Créditeur:");
    EXPECT_EQ(Fr().DialogText(204, 1187),
              "&Ne pas demander confirmation avant d'effectuer le backup");
    EXPECT_EQ(Fr().DialogText(102, 2001), "dd = jour\nmm = mois\nyy = année");
    EXPECT_EQ(Fr().DialogText(100, 1000), "Belvane version %s");
    // List entries, one per line, in the order of their codes.
    EXPECT_EQ(Fr().DialogText(164, -1033),
              "Validation immédiate\nValidation à un jour fixe chaque mois\n"
              "Validation à un jour fixe au cours du Xème mois suivant\n"
              "Validation au même jour du mois, au cours du Xème mois suivant\n"
              "Décaler la validation de plusieurs jours");
    EXPECT_EQ(CResources::DialogText(215, -1204).split(u'\n').size(), 6);
    EXPECT_EQ(CResources::DialogText(227, -1131).split(u'\n'),
              (QStringList{"Jour", "Semaine", "Mois", "Année"}));
    EXPECT_EQ(CResources::DialogText(102, -1263).split(u'\n').size(), 9);
}

}  // namespace
}  // namespace belvane
