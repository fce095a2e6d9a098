#pragma once

// Numbers of the texts the core and the command-line tool look up.
namespace belvane::ids {

inline constexpr int kDecimalSymbolDefault = 51;  // ","
inline constexpr int kDateFormatDefault = 52;     // "%d.%m.%y"
inline constexpr int kDocumentType = 128;
inline constexpr int kMsgUndoNothing = 10002;
inline constexpr int kMsgMaxLines = 10001;
inline constexpr int kMsgUnreadable = 10008;
inline constexpr int kColumnTitleFirst = 10032;  // 10032 + ColumnId
inline constexpr int kExportRecord = 10079;
inline constexpr int kMsgExportOpenError = 10069;
inline constexpr int kMsgPurgeSameFile = 10076;
inline constexpr int kMsgCarryOverflow = 10120;   // a carried amount would not fit
inline constexpr int kMsgDateInvalid = 10026;     // "La date entrée n'est pas valide."
inline constexpr int kMsgAmountTooLarge = 10111;  // beyond 21 474 836,47
inline constexpr int kMsgAmountInvalid = 10121;   // not an amount: names the forms taken
inline constexpr int kMsgRangeReversed = 10122;   // a range's start after its end
inline constexpr int kMsgRegisterOpen = 10142;   // open elsewhere: %1 user, %2 host, %3 since
inline constexpr int kMsgPrintFailed = 10117;     // %s: the printer
inline constexpr int kMsgAskToSave = 61699;
inline constexpr int kMsgDamaged = 61704;     // %1: the file
inline constexpr int kMsgSaveFailed = 61705;  // %1: the file
inline constexpr int kMsgOpenFailed = 61706;  // %1: the file

}  // namespace belvane::ids
