// One row of a search panel's table: a control (or a group of them) with everything the
// page does with it. Building, placing, filling the choices, clearing, colouring for the
// highlight and connecting all read the same rows, so each control is listed once.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalog/affiliation_boxes.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace zemlo {

struct CatalogChoices;

enum class ControlKind {
    Frame,         // a group box; frame double clicks arrive here
    Affiliations,  // the sixteen affiliation boxes, filling their frame
    CheckBox,
    Option,  // a radio button of a group within one frame
    Range,   // a lower and an upper combo box joined by "～", filling their frame
    Choice,  // one combo box
    List     // the catalog itself
};

// A place in twips inside the parent.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PanelControl {
    ControlKind kind = ControlKind::Frame;
    // The design's name, kept as objectName, and the element index of a control array.
    const char* name = "";
    int index = -1;
    // The frame the control sits in (the index of a Frame row); -1 for the page itself.
    int frame = -1;
    const char* caption = "";
    const char* toolTip = "";
    // A check box or option: checked at start-up and after clearing.
    bool startsChecked = false;
    // A range or choice: the list of entries it offers.
    std::vector<std::u16string> CatalogChoices::*choices = nullptr;
    // What the control decides, in the page's own numbering; 0 for none.
    int condition = 0;
    // Where it goes in the normal and in the compact view. Ranges and affiliation boxes
    // place themselves inside their frame.
    TwipsBox normal{};
    TwipsBox compact{};

    // Made by the page from the fields above.
    QWidget* widget = nullptr;  // the frame, box, option, list, single or lower combo box
    QComboBox* high = nullptr;
    QLabel* tilde = nullptr;
    std::array<QCheckBox*, kAffiliationBoxCount> boxes{};
};

}  // namespace zemlo
