#include "core/CBelvaneDoc.h"

#include "core/ColumnWidths.h"
#include "core/IDocObserver.h"
#include "core/SafeFile.h"
#include "core/SettingsStore.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "core/Text.h"
#include "core/ValueFormat.h"

#include <algorithm>
#include <filesystem>

namespace belvane {

namespace {

constexpr std::string_view kModifiedMark = " *";

// The setting `key` of section "Settings", or the built-in text `fallbackId`.
std::string FormatSetting(const ISettingsStore* settings, const char* key, int fallbackId) {
    const std::string fallback = CStringTable::Builtin().Get(fallbackId);
    return settings ? settings->GetString("Settings", key, fallback) : fallback;
}

}  // namespace

CBelvaneDoc::CBelvaneDoc(const ISettingsStore* settings, const Clock& clock)
    : m_format(FormatSetting(settings, "DateFormat", ids::kDateFormatDefault),
               FormatSetting(settings, "DecimalSymbol", ids::kDecimalSymbolDefault), clock),
      m_strings(&CStringTable::Builtin()) {
    OnNewDocument();
}

void CBelvaneDoc::AddObserver(IDocObserver* observer) {
    if (observer &&
        std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CBelvaneDoc::RemoveObserver(IDocObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

void CBelvaneDoc::Changed() {
    SetModifiedFlag(true);
    Notify([](IDocObserver& o) { o.OnRedrawAll(); });
}

void CBelvaneDoc::LineChanged(int index) {
    SetModifiedFlag(true);
    Notify([&](IDocObserver& o) { o.OnLineChanged(index); });
}

template <class F>
void CBelvaneDoc::Notify(F f) {
    // A copy: an observer may remove itself while being told.
    const std::vector<IDocObserver*> observers = m_observers;
    for (IDocObserver* o : observers)
        f(*o);
}

// --- life cycle -------------------------------------------------------------

void CBelvaneDoc::ResetTransientState() {
    m_bJustLoaded = false;
    m_bModeReleve = false;
    m_dateModeReleve = m_format.Today();
    m_undoAction = kUndoNone;
    m_undoIndex = 0;
    m_undoIndex2 = 0;
    m_undoLigne = CLigne();
    m_undoNextDate.reset();
    m_undoStamps.clear();
    m_undoAdded.clear();
    m_undoAddedLines.clear();
}

void CBelvaneDoc::OnNewDocument() {
    ResetTransientState();
    CRegistre::Reset();
    m_pathName.clear();
    m_fileStamp = {};
    m_bModified = false;
    m_title = ResourceField(m_strings->Get(ids::kDocumentType), 1);
    Notify([&](IDocObserver& o) {
        o.OnStatementMode(0);
        o.OnBackupFlag(m_bBackup);
        o.OnResetDisplay();
        o.OnTitleChanged();
    });
}

LoadResult CBelvaneDoc::OnOpenDocument(const std::string& path) {
    const std::string full = NormalPath(path);
    ByteBuffer bytes;
    LoadResult result;
    FileStamp stamp;
    result.status = ReadWholeFile(full, bytes, &stamp);
    if (!result.status.ok())
        return result;  // nothing was read: the register in memory stays as it was
    result = LoadFromBytes(bytes);
    if (!result.status.ok()) {
        result.status = result.status.About(full);
        return result;
    }
    m_pathName = full;
    m_fileStamp = stamp;
    SetTitle(std::filesystem::path(full).filename().string());
    return result;
}

LoadResult CBelvaneDoc::Decode(std::span<const std::uint8_t> bytes, CRegistre& loaded) const {
    loaded.m_colonnes = m_colonnes;
    loaded.m_largeurs[kWidthObservation] = m_largeurs[kWidthObservation];
    loaded.m_police = m_police;
    return ReadRegister(bytes, loaded);
}

void CBelvaneDoc::Take(CRegistre&& loaded) {
    ResetTransientState();
    static_cast<CRegistre&>(*this) = std::move(loaded);
    m_bJustLoaded = true;
    Notify([&](IDocObserver& o) {
        o.OnStatementMode(0);
        o.OnBackupFlag(m_bBackup);
        o.OnResetDisplay();
    });
}

LoadResult CBelvaneDoc::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    // The document takes the register only when the whole file was read.
    CRegistre loaded;
    LoadResult result = Decode(bytes, loaded);
    if (!result.status.ok()) {
        OnNewDocument();
        return result;
    }
    m_bModified = false;
    Take(std::move(loaded));
    return result;
}

LoadResult CBelvaneDoc::LoadRecovered(std::span<const std::uint8_t> bytes) {
    CRegistre loaded;
    LoadResult result = Decode(bytes, loaded);
    if (!result.status.ok())
        return result;
    Take(std::move(loaded));
    SetModifiedFlag(true);
    return result;
}

Status CBelvaneDoc::OnSaveDocument(const std::string& path) {
    const std::string full = NormalPath(path);
    FileStamp written;
    Status status = WriteFileAtomically(full, SaveToBytes(), &written);
    if (!status.ok())
        return status;
    m_pathName = full;
    m_fileStamp = written;
    m_title = std::filesystem::path(full).filename().string();
    m_bModified = false;
    Notify([](IDocObserver& o) { o.OnTitleChanged(); });
    return status;
}

bool CBelvaneDoc::IsPathName(const std::string& path) const {
    return !m_pathName.empty() && text::SamePath(NormalPath(path), m_pathName);
}

bool CBelvaneDoc::FileChangedOnDisk() const {
    return !m_pathName.empty() && ChangedSince(m_fileStamp, StampOf(m_pathName));
}

std::string CBelvaneDoc::GetShownTitle() const {
    return m_bModified ? m_title + std::string(kModifiedMark) : m_title;
}

void CBelvaneDoc::SetTitle(std::string title) {
    m_title = std::move(title);
    Notify([](IDocObserver& o) { o.OnTitleChanged(); });
}

void CBelvaneDoc::MakeUntitled() {
    m_pathName.clear();
    SetTitle(ResourceField(m_strings->Get(ids::kDocumentType), 1));
}

void CBelvaneDoc::SetModifiedFlag(bool modified) {
    const bool changed = m_bModified != modified;
    m_bModified = modified;
    if (modified)
        Notify([](IDocObserver& o) { o.OnModified(); });
    if (!changed)
        return;
    Notify([](IDocObserver& o) { o.OnTitleChanged(); });
}

bool CBelvaneDoc::TakeJustLoaded() {
    const bool was = m_bJustLoaded;
    m_bJustLoaded = false;
    return was;
}

// --- display settings -------------------------------------------------------

void CBelvaneDoc::SetFormatSettings(std::string dateFormat, std::string decimalSymbol) {
    m_format.SetSettings(std::move(dateFormat), std::move(decimalSymbol));
    // The register is shown in the new forms; it is not changed.
    Notify([](IDocObserver& o) { o.OnRedrawAll(); });
}

// --- lines ------------------------------------------------------------------

int CBelvaneDoc::InsertLineByDate(const CLigne& line) {
    // After every line of the same date: equal dates keep the order of entry.
    int p = GetLineCount();
    while (p > 0 && m_lignes[p - 1].m_dateEmission > line.m_dateEmission)
        --p;
    // Grow by an eighth (4 to 1024 records) rather than doubling a store that may
    // hold hundreds of thousands of lines.
    if (m_lignes.size() == m_lignes.capacity())
        m_lignes.reserve(m_lignes.size() + std::clamp<std::size_t>(m_lignes.size() / 8, 4, 1024));
    m_lignes.insert(m_lignes.begin() + p, line);
    return p;
}

int CBelvaneDoc::AddLine(const CLigne& line) {
    const int p = InsertLineByDate(line);
    m_undoAction = kUndoAdded;
    m_undoIndex2 = p;
    m_undoNextDate.reset();
    Changed();
    return p;
}

int CBelvaneDoc::AddGeneratedLine(const CLigne& line, int mouvement) {
    CMouvementAuto& m = m_mouvements[mouvement];
    MovedNextDate moved{m.GetTitre(), m.GetProchaineDate(), 0};
    m.AdvanceNextDate();
    moved.after = m.GetProchaineDate();
    const int p = AddLine(line);
    m_undoNextDate = std::move(moved);
    return p;
}

void CBelvaneDoc::MoveNextDate(const MovedNextDate& moved, DayDate from, DayDate to) {
    for (CMouvementAuto& m : m_mouvements) {
        if (m.GetTitre() == moved.titre && m.GetProchaineDate() == from) {
            m.m_prochaineDate = to;
            return;
        }
    }
}

void CBelvaneDoc::DeleteLine(int index) {
    m_undoNextDate.reset();
    m_undoAction = kUndoDeleted;
    m_undoIndex = index;
    m_undoLigne = m_lignes[index];
    m_lignes.erase(m_lignes.begin() + index);
    Changed();
}

int CBelvaneDoc::ReplaceLine(int index, const CLigne& line) {
    m_undoNextDate.reset();
    m_undoAction = kUndoChanged;
    m_undoIndex = index;
    m_undoLigne = m_lignes[index];
    if (line.m_dateEmission == m_lignes[index].m_dateEmission) {
        m_lignes[index] = line;
        m_undoIndex2 = index;
    } else {
        m_lignes.erase(m_lignes.begin() + index);
        m_undoIndex2 = InsertLineByDate(line);
    }
    Changed();
    return m_undoIndex2;
}

void CBelvaneDoc::SetLineStatement(int index, DayDate date) {
    m_undoNextDate.reset();
    m_undoAction = kUndoChanged;
    m_undoIndex = m_undoIndex2 = index;
    m_undoLigne = m_lignes[index];
    m_lignes[index].m_dateReleve = date;
    LineChanged(index);
}

void CBelvaneDoc::StampAndAddLines(std::span<const int> stamped, DayDate date,
                                   std::vector<CLigne> added) {
    m_undoNextDate.reset();
    m_undoAction = kUndoStatement;
    m_undoStamps.clear();
    for (const int i : stamped) {
        m_undoStamps.emplace_back(i, m_lignes[i].m_dateReleve);
        m_lignes[i].m_dateReleve = date;
    }
    // One merge rather than an insertion each: a statement may bring thousands
    // of lines into a store of hundreds of thousands. Each goes after every line
    // of its issue date, the new ones in the order given.
    std::stable_sort(added.begin(), added.end(), [](const CLigne& a, const CLigne& b) {
        return a.m_dateEmission < b.m_dateEmission;
    });
    CLigneStore merged;
    merged.reserve(m_lignes.size() + added.size());
    m_undoAdded.clear();
    std::size_t old = 0;
    for (CLigne& line : added) {
        while (old < m_lignes.size() && m_lignes[old].m_dateEmission <= line.m_dateEmission)
            merged.push_back(std::move(m_lignes[old++]));
        m_undoAdded.push_back(static_cast<int>(merged.size()));
        merged.push_back(std::move(line));
    }
    while (old < m_lignes.size())
        merged.push_back(std::move(m_lignes[old++]));
    m_lignes = std::move(merged);
    m_undoAddedLines.clear();
    Changed();
}

bool CBelvaneDoc::StatementUndoFits() const {
    const std::size_t n = m_lignes.size();
    const std::size_t out = m_undoAddedLines.empty() ? m_undoAdded.size() : 0;
    if (out > n || (!m_undoAdded.empty() && m_undoAddedLines.empty() &&
                    static_cast<std::size_t>(m_undoAdded.back()) >= n))
        return false;
    return std::all_of(m_undoStamps.begin(), m_undoStamps.end(), [&](const auto& s) {
        return s.first >= 0 && static_cast<std::size_t>(s.first) < n - out;
    });
}

// Takes a statement import back, or makes it again when it was taken back.
void CBelvaneDoc::UndoStatement() {
    if (m_undoAddedLines.empty()) {
        // The added lines out (their indices ascending), then the stamps swapped.
        CLigneStore kept;
        kept.reserve(m_lignes.size() - m_undoAdded.size());
        std::size_t k = 0;
        for (std::size_t i = 0; i < m_lignes.size(); ++i) {
            if (k < m_undoAdded.size() && static_cast<std::size_t>(m_undoAdded[k]) == i) {
                m_undoAddedLines.push_back(std::move(m_lignes[i]));
                ++k;
            } else {
                kept.push_back(std::move(m_lignes[i]));
            }
        }
        m_lignes = std::move(kept);
        for (auto& [index, date] : m_undoStamps)
            std::swap(m_lignes[index].m_dateReleve, date);
        return;
    }
    // The stamps swapped back, then the lines at the places they had.
    for (auto& [index, date] : m_undoStamps)
        std::swap(m_lignes[index].m_dateReleve, date);
    const std::size_t total = m_lignes.size() + m_undoAddedLines.size();
    CLigneStore merged;
    merged.reserve(total);
    std::size_t old = 0, k = 0;
    while (merged.size() < total) {
        if (k < m_undoAdded.size() && static_cast<std::size_t>(m_undoAdded[k]) == merged.size())
            merged.push_back(std::move(m_undoAddedLines[k++]));
        else
            merged.push_back(std::move(m_lignes[old++]));
    }
    m_lignes = std::move(merged);
    m_undoAddedLines.clear();
}

bool CBelvaneDoc::Undo() {
    // An undo state that no longer fits the store is forgotten, never applied.
    const int n = GetLineCount();
    const bool fits = (m_undoAction == kUndoDeleted && m_undoIndex >= 0 && m_undoIndex <= n) ||
                      (m_undoAction == kUndoChanged && m_undoIndex2 >= 0 && m_undoIndex2 < n &&
                       m_undoIndex >= 0 && m_undoIndex < n) ||
                      (m_undoAction == kUndoAdded && m_undoIndex2 >= 0 && m_undoIndex2 < n) ||
                      (m_undoAction == kUndoStatement && StatementUndoFits());
    if (!fits) {
        ClearUndo();
        return false;
    }
    switch (m_undoAction) {
        case kUndoDeleted:
            m_lignes.insert(m_lignes.begin() + m_undoIndex, m_undoLigne);
            m_undoAction = kUndoAdded;
            m_undoIndex2 = m_undoIndex;
            if (m_undoNextDate)  // the generated line is back: its occurrence is done again
                MoveNextDate(*m_undoNextDate, m_undoNextDate->before, m_undoNextDate->after);
            break;
        case kUndoChanged: {
            CLigne current = m_lignes[m_undoIndex2];
            m_lignes.erase(m_lignes.begin() + m_undoIndex2);
            m_lignes.insert(m_lignes.begin() + m_undoIndex, m_undoLigne);
            m_undoLigne = std::move(current);
            std::swap(m_undoIndex, m_undoIndex2);
            break;
        }
        case kUndoStatement:
            UndoStatement();
            break;
        case kUndoAdded:
            m_undoLigne = m_lignes[m_undoIndex2];
            m_lignes.erase(m_lignes.begin() + m_undoIndex2);
            m_undoAction = kUndoDeleted;
            m_undoIndex = m_undoIndex2;
            if (m_undoNextDate)  // the generated line is gone: its occurrence is due again
                MoveNextDate(*m_undoNextDate, m_undoNextDate->after, m_undoNextDate->before);
            break;
        default:
            return false;
    }
    // The lines now differ from what was last saved or loaded: without the mark
    // an undo after a save would be lost at closing without a question.
    Changed();
    return true;
}

void CBelvaneDoc::ClearUndo() {
    m_undoAction = kUndoNone;
    m_undoNextDate.reset();
}

CLigneStore CBelvaneDoc::TakeLines() {
    CLigneStore lines = std::move(m_lignes);
    m_lignes = CLigneStore();
    ClearUndo();
    Changed();
    return lines;
}

void CBelvaneDoc::PutLines(CLigneStore lines) {
    m_lignes = std::move(lines);
    ClearUndo();
    Changed();
}

void CBelvaneDoc::SetLineRubrique(int index, std::string rubrique) {
    m_lignes[index].m_rubrique = std::move(rubrique);
    LineChanged(index);
}

void CBelvaneDoc::SetLineSousRubrique(int index, std::string sousRubrique) {
    m_lignes[index].m_sousRubrique = std::move(sousRubrique);
    LineChanged(index);
}

// --- reference lists --------------------------------------------------------

int CBelvaneDoc::AddPaiement(const CPaiement& paiement) {
    const int i = CRegistre::AddPaiement(paiement);
    Changed();
    return i;
}

void CBelvaneDoc::DeletePaiement(int i) {
    m_paiements.erase(m_paiements.begin() + i);
    Changed();
}

int CBelvaneDoc::AddMouvement(const CMouvementAuto& mouvement) {
    const int i = CRegistre::AddMouvement(mouvement);
    Changed();
    return i;
}

void CBelvaneDoc::DeleteMouvement(int i) {
    m_mouvements.erase(m_mouvements.begin() + i);
    Changed();
}

void CBelvaneDoc::InsertRubrique(int i, const CRubrique& rubrique) {
    m_rubriques.insert(m_rubriques.begin() + i, rubrique);
    Changed();
}

void CBelvaneDoc::DeleteRubrique(int i) {
    m_rubriques.erase(m_rubriques.begin() + i);
    Changed();
}

int CBelvaneDoc::GetSousRubriqueCount(std::string_view rubrique) const {
    const int i = FindRubrique(rubrique);
    return i >= 0 ? m_rubriques[i].GetNbSousRubriques() : 0;
}

const std::string& CBelvaneDoc::GetSousRubriqueName(std::string_view rubrique, int j) const {
    static const std::string kNone;
    const int i = FindRubrique(rubrique);
    if (i < 0 || j < 0 || j >= m_rubriques[i].GetNbSousRubriques())
        return kNone;
    return m_rubriques[i].GetNomSousRubrique(j);
}

void CBelvaneDoc::InsertSousRubrique(int i, int j, const CSousRubrique& sousRubrique) {
    m_rubriques[i].InsertSousRubrique(j, sousRubrique);
    Changed();
}

void CBelvaneDoc::DeleteSousRubrique(int i, int j) {
    m_rubriques[i].RemoveSousRubrique(j);
    Changed();
}

void CBelvaneDoc::InsertBeneficiaire(int i, const CBeneficiaire& beneficiaire) {
    m_beneficiaires.insert(m_beneficiaires.begin() + i, beneficiaire);
    Changed();
}

void CBelvaneDoc::DeleteBeneficiaire(int i) {
    m_beneficiaires.erase(m_beneficiaires.begin() + i);
    Changed();
}

Resume CBelvaneDoc::GetResume() const {
    return {m_banque,     m_agence,      m_numeroCompte,  m_cartes,
            m_titulaires, m_annotations, m_montantInitial};
}

void CBelvaneDoc::SetResume(Resume resume) {
    m_banque = std::move(resume.banque);
    m_agence = std::move(resume.agence);
    m_numeroCompte = std::move(resume.numeroCompte);
    m_cartes = std::move(resume.cartes);
    m_titulaires = std::move(resume.titulaires);
    m_annotations = std::move(resume.annotations);
    m_montantInitial = resume.montantInitial;
    Changed();
}

void CBelvaneDoc::SetMontantInitial(Amount montant) {
    m_montantInitial = montant;
    Changed();
}

void CBelvaneDoc::SetMontantInitialRubrique(int i, Amount montant) {
    m_rubriques[i].SetMontantInitial(montant);
    Changed();
}

void CBelvaneDoc::SetMontantInitialSousRubrique(int i, int j, Amount montant) {
    m_rubriques[i].SetMontantInitialSousRubrique(j, montant);
    Changed();
}

// --- statement mode, backup, display ----------------------------------------

void CBelvaneDoc::SetStatementMode(bool on, DayDate date) {
    m_bModeReleve = on;
    if (on)
        m_dateModeReleve = date;
    Notify([&](IDocObserver& o) { o.OnStatementMode(on ? m_dateModeReleve : 0); });
}

void CBelvaneDoc::LeaveStatementMode() {
    m_bModeReleve = false;
    m_dateModeReleve = m_format.Today();
    Notify([](IDocObserver& o) { o.OnStatementMode(0); });
}

void CBelvaneDoc::ToggleBackup() {
    m_bBackup = !m_bBackup;
    Notify([&](IDocObserver& o) { o.OnBackupFlag(m_bBackup); });
    SetModifiedFlag(true);
}

void CBelvaneDoc::SetDisplay(std::vector<std::uint8_t> columns, const std::array<int, 6>& widths,
                             const CPolice& font, const std::array<ColorRef, 6>& colors) {
    // Only what a register file can hold: anything else would be saved, then
    // refused when the file is opened again.
    std::erase_if(columns, [](std::uint8_t c) { return c >= kColumnCount; });
    if (columns.size() > kColumnCount)
        columns.resize(kColumnCount);
    m_colonnes = std::move(columns);
    for (std::size_t i = 0; i < widths.size(); ++i)
        m_largeurs[i] = std::clamp(widths[i], 0, CRegistre::kMaxWidth);
    m_police = font;
    m_couleurs = colors;
    Changed();
}

}  // namespace belvane
