#pragma once
// Operations of the exhaust window on the network segment list, as engine functions: the window
// sets up a SegmentEditorState, shows the editor, and hands the state back to these functions.

#include <string>
#include <string_view>
#include <vector>

#include "core/notifier.h"
#include "exhaust/exhaust_project.h"
#include "exhaust/segment.h"

namespace orvane::exhaust {

// A building has no more storeys than kMaxSegments (exhaust_project.h, whose reader refuses a
// file with more); adding beyond it is refused with this message.
inline constexpr std::string_view kTooManySegmentsMessage =
    "Число участков сети не может превышать 500.";
// What the editor's name field holds in group mode (the name is not editable there).
inline constexpr std::string_view kGroupStoreyName = "@#$%^&";

enum class TSegmentEditMode { ychmAdd, ychmEditOne, ychmEditGroup };

// What the segment editor is given before it is shown and what it hands back on OK.
// In group mode a negative number or an empty material means "keep the segment's value"; the
// storey name is never changed in group mode, whatever text the name field holds.
struct SegmentEditorState {
    TSegmentEditMode Mode = TSegmentEditMode::ychmAdd;
    bool EnableValve = true;
    bool EnableHorPart = true;
    bool EnableVertPart = true;
    std::string StoreyName;
    int StoreyQtyForAdd = 1;
    int QuanStoreys = 0;
    int CurStorey = 0;
    std::vector<int> StoreysArr;
    // valve
    int ValveWidth = 800;
    int ValveHeight = 600;
    bool ValveDriveOut = true;
    double ValveArea = 0;
    double ValveResistCoef = 0;
    double NodeResistCoef = 1.8;
    // horizontal part
    double HorA = 0;
    double HorB = 0;
    double HorL = 0;
    double HorZ = 0;
    std::string HorMaterial;
    // vertical part
    double Ai = 0;
    double Bi = 0;
    double Li = 0;
    double Zi = 0;
    std::string Material;
};

// The list box shows the top segment first: item i is segment N-1-i (and back).
int SegmentOfItem(int itemIndex, int n);
int ItemOfSegment(int segment, int n);
inline bool IsSegmentIndex(int a, int n) {
    return a >= 0 && a < n;
}

// Enabled states of the four list buttons.
struct SegmentButtons {
    bool Add = false;
    bool Edit = false;
    bool Group = false;
    bool Remove = false;
    bool operator==(const SegmentButtons &) const = default;
};
SegmentButtons UpdateSegmentButtons(int n, int selectedSegment, bool calcWithShaft);

// Copies the editor's values into segment a (nothing when a is outside the list).
void StoreSegmentFromEditor(NetworkSegments &segments, int a, const SegmentEditorState &editor);

// --- adding ("Добавить этаж") ---
// Where new segments go: the selected segment, 1 when segment 0 is selected, 0 for an empty
// list; -1 when nothing is selected (so new segments never become the top segment by accident).
int AddInsertionIndex(int n, int selectedSegment);
SegmentEditorState EditorForAdd(const NetworkSegments &segments, bool calcWithShaft);
// Inserts StoreyQtyForAdd (1..100) segments at p from the editor and keeps the list's rules.
// Refuses (message, nothing added) when the list would exceed kMaxSegments. Returns the segment
// to select, or -1 when nothing was added.
int AddSegments(NetworkSegments &segments, int p, const SegmentEditorState &editor,
                Notifier *notifier = nullptr);

// --- editing one segment ("Изменить") ---
SegmentEditorState EditorForEditOne(const NetworkSegments &segments, int a, bool calcWithShaft);
// Stores the editor into segment a; an edit of segment 0 reaches every middle segment.
bool ApplyEditOne(NetworkSegments &segments, int a, const SegmentEditorState &editor);

// --- editing a group ("Группа") ---
SegmentEditorState EditorForEditGroup(const NetworkSegments &segments, int a, bool calcWithShaft);
// Stores the editor into every segment of StoreysArr, in its order. Returns CurStorey.
int ApplyEditGroup(NetworkSegments &segments, const SegmentEditorState &editor);

// --- removing ("Удалить этаж"): middle segments only, after the user confirms ---
std::string RemoveConfirmText(int a);
// True when segment a was removed (it must be a middle segment and the user must say Yes).
bool RemoveSegment(NetworkSegments &segments, int a, Notifier *notifier);

// --- the shaft check box ---
// Off: the list is set aside in `temp` and cut to segment 0. On: the set-aside segments come
// back above the current segment 0. Returns false when the state did not change.
bool SwitchShaft(NetworkSegments &segments, NetworkSegments &temp, bool &calcWithShaft,
                 bool checked);

// --- storey choice of group mode ---
// The text the storey field shows for "Все".
std::string AllStoreysText(int n);
// Reduces the typed storey list to digits, "," and "-".
std::string NormalizeStoreyText(std::string_view text);
// Reads the next range from pos; false when no number is left. Numbers too large for an int
// read as INT_MAX.
bool NextStoreyRange(std::string_view normalized, size_t &pos, int &from, int &to);
// Segment indexes (0-based) named by the typed list, in its order; numbers outside
// 1..quanStoreys are left out, a number given twice is listed twice.
std::vector<int> ParseStoreyList(std::string_view text, int quanStoreys);

} // namespace orvane::exhaust
