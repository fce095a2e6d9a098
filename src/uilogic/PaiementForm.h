#pragma once

#include "core/CPaiement.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace belvane {

// What the payment-method entry dialog decides, apart from its widgets: how the
// parameter area looks for each validation code, what OK checks besides the
// name, and what the record receives.
namespace paiement_form {

// One parameter: its label (a string number), its spin range and the position
// shown.
struct ParamField {
    bool shown = false;
    int label = 0;
    int minimum = 0;
    int maximum = 0;
    int value = 0;
};

struct ParamArea {
    ParamField first;
    ParamField second;
};

// The parameter area for the code chosen in the list, showing the values of the
// record as it was when the dialog opened (never what was typed since). Unless
// that record's own code is 4, a stored parameter below 1 is shown as 1; a value
// outside the spin range is shown at the nearest end of the range.
ParamArea Layout(int code, const CPaiement& opened);

// The list entry selected for a record: its code, or 0 ("Validation immédiate")
// for a code above 4, which behaves that way.
int CodeIndex(const CPaiement& paiement);

// The dialog's fields as typed.
struct Input {
    std::string nom;
    int code = 0;
    std::string first;
    std::string second;
};

// A refusal of the OK check: the message and the field to put the focus on.
struct ParamRefusal {
    int stringId = 0;  // 0: the input can be stored
    bool second = false;

    friend bool operator==(const ParamRefusal&, const ParamRefusal&) = default;
};

// The OK check after the name's (CheckName): each parameter the code uses must
// read as a whole number within its spin range, the first field before the
// second. A day not 1 to 31 is refused with 10031, months not 1 to 999 with
// 10123, a shift not -999 to 999 with 10124.
ParamRefusal CheckParameters(const Input& input);

// Writes an input that passed the check into `paiement`: the name, the code
// and the two parameters as the code uses them (unused ones are 1).
void Store(const Input& input, CPaiement& paiement);

}  // namespace paiement_form
}  // namespace belvane
