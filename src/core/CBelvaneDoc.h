#pragma once

#include "core/CRegistre.h"
#include "core/Clock.h"
#include "core/ColumnWidths.h"
#include "core/FileIdentity.h"
#include "core/RegisterFile.h"
#include "core/Text.h"
#include "core/Types.h"
#include "core/ValueFormat.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

class CStringTable;
class IDocObserver;
class ISettingsStore;

// The account summary, as the summary dialog shows and edits it.
struct Resume {
    std::string banque;
    std::string agence;
    std::string numeroCompte;
    std::string cartes;
    std::string titulaires;
    std::string annotations;
    Amount montantInitial = 0;

    bool operator==(const Resume&) const = default;
};

// The one register held in memory: its lines and reference lists, its account
// summary and display settings, the statement mode and the one-level undo.
// It is the only thing that changes the records; views read it and are told of
// every change through IDocObserver.
class CBelvaneDoc : protected CRegistre {
public:
    // The entry dialog refuses new lines beyond this many; a file may hold more.
    static constexpr int kMaxLines = 300000;

    enum UndoAction {
        kUndoNone = 0,
        kUndoDeleted = 1,
        kUndoChanged = 2,
        kUndoAdded = 3,
        kUndoStatement = 4,  // stamps and new lines of a statement import
    };

    // Reads DecimalSymbol and DateFormat from section "Settings" of `settings`
    // (the built-in defaults when it is null or lacks them) and starts as a new
    // register. `clock` must outlive the document; the column titles come from
    // the built-in texts until SetStrings names others.
    explicit CBelvaneDoc(const ISettingsStore* settings = nullptr,
                         const Clock& clock = Clock::System());
    // One document per run, watched by its views: never copied.
    CBelvaneDoc(const CBelvaneDoc&) = delete;
    CBelvaneDoc& operator=(const CBelvaneDoc&) = delete;

    void SetClock(const Clock& clock) { m_format.SetClock(clock); }
    // The texts used for column titles; they must outlive the document.
    void SetStrings(const CStringTable& strings) { m_strings = &strings; }
    const CStringTable& Strings() const { return *m_strings; }

    // Every change the document makes is told to its observers: callers never
    // have to ask the views to redraw.
    void AddObserver(IDocObserver* observer);
    void RemoveObserver(IDocObserver* observer);

    // --- life cycle ---
    // Back to a new, empty, untitled register.
    void OnNewDocument();
    // Paths come as the user gave them; the document puts them in NormalPath
    // form, remembers that form and names the file by it in every failure.
    //
    // Loads a register: CannotOpen leaves the document as it was (nothing was
    // read); after Unreadable or Damaged it is a new register again.
    LoadResult OnOpenDocument(const std::string& path);
    LoadResult LoadFromBytes(std::span<const std::uint8_t> bytes);
    // Takes the state a recovery file kept (a register's bytes) over the
    // register loaded from its file, keeping the file and the title, and marks
    // it modified: nothing is written over the file until the user saves. On
    // failure nothing changes.
    LoadResult LoadRecovered(std::span<const std::uint8_t> bytes);
    // Writes the register in the current format, atomically. On success the
    // path is remembered and the modified flag cleared. On failure (CannotWrite)
    // nothing changes.
    Status OnSaveDocument(const std::string& path);
    // Whether `path` names the file the register was loaded from or saved to.
    bool IsPathName(const std::string& path) const;
    // Whether the register's file was replaced or rewritten (by another program)
    // since this document read or last wrote it.
    bool FileChangedOnDisk() const;
    std::string SaveToBytes() const { return WriteRegister(*this); }
    const CRegistre& Registre() const { return *this; }

    const std::string& GetPathName() const { return m_pathName; }
    void SetPathName(std::string path) { m_pathName = std::move(path); }
    // The register's name: its file's name, or the default one of a new register.
    const std::string& GetTitle() const { return m_title; }
    // The name as the window shows it, followed by " *" while the register is modified.
    std::string GetShownTitle() const;
    void SetTitle(std::string title);
    // Forgets the file: no path, the default title of a new register.
    void MakeUntitled();
    bool IsModified() const { return m_bModified; }
    // Observers hear of the change of the shown title.
    void SetModifiedFlag(bool modified = true);
    // Read and cleared by the view when it is first shown for a loaded register.
    bool TakeJustLoaded();
    // Held while a change runs in steps that the user sees in between (a record
    // out of its list while its dialog edits it, lines moved to an archive not
    // yet saved): the register in memory is then no state to keep.
    class UnfinishedChange {
    public:
        explicit UnfinishedChange(CBelvaneDoc& doc) : m_doc(doc) { ++doc.m_unfinished; }
        ~UnfinishedChange() { --m_doc.m_unfinished; }
        UnfinishedChange(const UnfinishedChange&) = delete;
        UnfinishedChange& operator=(const UnfinishedChange&) = delete;

    private:
        CBelvaneDoc& m_doc;
    };
    bool HasUnfinishedChange() const { return m_unfinished > 0; }

    // --- display settings ---
    // The views and dialogs format and read values with this object; it lives
    // as long as the document, across New and Open.
    const ValueFormat& Format() const { return m_format; }
    // Observers redraw in the new forms.
    void SetFormatSettings(std::string dateFormat, std::string decimalSymbol);

    // --- lines ---
    int GetLineCount() const { return static_cast<int>(m_lignes.size()); }
    const CLigne& GetLine(int i) const { return m_lignes[i]; }
    const CLigneStore& Lines() const { return m_lignes; }
    // Inserts after every line of the same issue date; returns the new index.
    int AddLine(const CLigne& line);
    // Adds `line`, made from movement `mouvement`, and moves the movement's next
    // date on, as one line action: undoing it removes the line and puts the
    // date back, so that the occurrence is due again. Returns the line's index.
    int AddGeneratedLine(const CLigne& line, int mouvement);
    void DeleteLine(int index);
    // Returns the index the new version has (it moves when its issue date changed).
    int ReplaceLine(int index, const CLigne& line);
    void SetLineStatement(int index, DayDate date);
    // Stamps the lines `stamped` (indices before the change) with `date` and
    // adds `added` at their issue dates, as one change: one Undo takes all of it
    // back, the next makes it again.
    void StampAndAddLines(std::span<const int> stamped, DayDate date, std::vector<CLigne> added);
    // Undoes the last line action and marks the register modified, or returns
    // false when there is none (message 10002).
    bool Undo();
    // Setters used when a name is corrected in every line; they do not mark the
    // register modified (their caller does).
    void SetLineRubrique(int index, std::string rubrique);
    void SetLineSousRubrique(int index, std::string sousRubrique);
    // The whole store at once, for the file maintenance: TakeLines empties it and
    // returns the lines; PutLines replaces it with `lines`, which must be in
    // issue-date order. Both forget the undo state, mark the register modified
    // and redraw every view.
    CLigneStore TakeLines();
    void PutLines(CLigneStore lines);
    // Forgets the last line action: Undo then has nothing to undo.
    void ClearUndo();

    // --- payment methods, movements (kept sorted by name) ---
    int GetPaiementCount() const { return static_cast<int>(m_paiements.size()); }
    const CPaiement& GetPaiement(int i) const { return m_paiements[i]; }
    int AddPaiement(const CPaiement& paiement);
    void DeletePaiement(int i);
    // Index of the first method of that name (letter case ignored), or -1.
    int FindPaiement(std::string_view nom) const { return text::FindByName(m_paiements, nom); }

    int GetMouvementCount() const { return static_cast<int>(m_mouvements.size()); }
    const CMouvementAuto& GetMouvement(int i) const { return m_mouvements[i]; }
    int AddMouvement(const CMouvementAuto& mouvement);
    void DeleteMouvement(int i);
    void AdvanceNextDate(int i) { m_mouvements[i].AdvanceNextDate(); }

    // --- categories and payees (kept in the user's order) ---
    int GetRubriqueCount() const { return static_cast<int>(m_rubriques.size()); }
    const CRubrique& GetRubrique(int i) const { return m_rubriques[i]; }
    void InsertRubrique(int i, const CRubrique& rubrique);
    void DeleteRubrique(int i);
    // Index of the category (payee) of that name, letter case ignored; -1 when the
    // name is empty or unknown.
    int FindRubrique(std::string_view nom) const { return text::FindByName(m_rubriques, nom); }
    int FindBeneficiaire(std::string_view nom) const {
        return text::FindByName(m_beneficiaires, nom);
    }
    // Subcategories of the category of that name; 0 for an empty or unknown name.
    int GetSousRubriqueCount(std::string_view rubrique) const;
    const std::string& GetSousRubriqueName(std::string_view rubrique, int j) const;
    void InsertSousRubrique(int i, int j, const CSousRubrique& sousRubrique);
    void DeleteSousRubrique(int i, int j);
    void SetMontantInitialRubrique(int i, Amount montant);
    void SetMontantInitialSousRubrique(int i, int j, Amount montant);

    int GetBeneficiaireCount() const { return static_cast<int>(m_beneficiaires.size()); }
    const CBeneficiaire& GetBeneficiaire(int i) const { return m_beneficiaires[i]; }
    void InsertBeneficiaire(int i, const CBeneficiaire& beneficiaire);
    void DeleteBeneficiaire(int i);

    // --- account summary ---
    Amount GetMontantInitial() const { return m_montantInitial; }
    void SetMontantInitial(Amount montant);
    Resume GetResume() const;
    void SetResume(Resume resume);

    // --- statement mode and backup flag ---
    bool IsStatementMode() const { return m_bModeReleve; }
    DayDate GetStatementDate() const { return m_dateModeReleve; }
    void SetStatementMode(bool on, DayDate date);
    // Statement mode off, its date back to today, as in a new register.
    void LeaveStatementMode();
    bool GetBackup() const { return m_bBackup; }
    // Inverts the backup flag and marks the register modified.
    void ToggleBackup();

    // --- display settings ---
    ColorRef GetColor(bool background, int style) const {
        return m_couleurs[2 * style + (background ? 1 : 0)];
    }
    const std::vector<std::uint8_t>& GetColumns() const { return m_colonnes; }
    const std::array<int, 6>& GetWidths() const { return m_largeurs; }
    const CPolice& GetFont() const { return m_police; }
    const std::array<ColorRef, 6>& GetColors() const { return m_couleurs; }
    // Stores new display settings (from the preferences), marks the register
    // modified and redraws every view.
    void SetDisplay(std::vector<std::uint8_t> columns, const std::array<int, 6>& widths,
                    const CPolice& font, const std::array<ColorRef, 6>& colors);

private:
    // The movement whose next date the last line action moved (a generated
    // line): its title, and its next date before and after.
    struct MovedNextDate {
        std::string titre;
        DayDate before = 0;
        DayDate after = 0;
    };

    // Reads `bytes` into a fresh register keeping the display settings a legacy
    // file lacks; `loaded` is valid only when the result is.
    LoadResult Decode(std::span<const std::uint8_t> bytes, CRegistre& loaded) const;
    // Makes `loaded` the register, as a load does.
    void Take(CRegistre&& loaded);
    int InsertLineByDate(const CLigne& line);
    // Sets the next date of the movement `moved` names from `from` to `to`;
    // nothing when no movement of that title has the date `from` any more.
    void MoveNextDate(const MovedNextDate& moved, DayDate from, DayDate to);
    bool StatementUndoFits() const;
    void UndoStatement();
    void ResetTransientState();
    template <class F>
    void Notify(F f);
    // The register changed: marks it modified and has the views redraw it all,
    // or only line `index`.
    void Changed();
    void LineChanged(int index);

    ValueFormat m_format;
    bool m_bJustLoaded = false;
    bool m_bModeReleve = false;
    DayDate m_dateModeReleve = 0;
    int m_undoAction = kUndoNone;
    int m_undoIndex = 0;
    int m_undoIndex2 = 0;
    CLigne m_undoLigne;
    std::optional<MovedNextDate> m_undoNextDate;
    // kUndoStatement: each stamped line with the statement date it does not
    // have now; the indices of the added lines (ascending) and, while they are
    // taken out, the lines themselves.
    std::vector<std::pair<int, DayDate>> m_undoStamps;
    std::vector<int> m_undoAdded;
    std::vector<CLigne> m_undoAddedLines;

    std::string m_pathName;
    FileStamp m_fileStamp;  // of the file at m_pathName when last read or written
    std::string m_title;
    bool m_bModified = false;
    int m_unfinished = 0;  // UnfinishedChange holders

    const CStringTable* m_strings;
    std::vector<IDocObserver*> m_observers;
};

}  // namespace belvane
