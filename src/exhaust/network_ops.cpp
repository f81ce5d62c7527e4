#include "exhaust/network_ops.h"

#include <algorithm>
#include <climits>

#include "exhaust/valve_lookup.h"

namespace orvane::exhaust {

namespace {

int Size(const NetworkSegments &segments) {
    return static_cast<int>(segments.size());
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int SegmentOfItem(int itemIndex, int n) {
    return n - itemIndex - 1;
}
int ItemOfSegment(int segment, int n) {
    return n - segment - 1;
}

SegmentButtons UpdateSegmentButtons(int n, int selectedSegment, bool calcWithShaft) {
    SegmentButtons b;
    b.Edit = n > 0;
    if (calcWithShaft) {
        b.Add = true;
        b.Group = n > 0;
        b.Remove = n > 0 && selectedSegment > 0 && selectedSegment < n - 1;
    }
    return b;
}

void StoreSegmentFromEditor(NetworkSegments &segments, int a, const SegmentEditorState &editor) {
    if (!IsSegmentIndex(a, Size(segments)))
        return;
    NetworkSegment &s = segments[static_cast<size_t>(a)];
    const bool group = editor.Mode == TSegmentEditMode::ychmEditGroup;
    // Group mode never edits names: a storey really called like the group marker keeps its name.
    if (!group)
        s.StoreyName = editor.StoreyName;
    if (!group) {
        s.ValveWidth = editor.ValveWidth;
        s.ValveHeight = editor.ValveHeight;
        s.ValveDriveOut = editor.ValveDriveOut;
        s.ValveArea = editor.ValveArea;
        s.ValveResistCoef = editor.ValveResistCoef;
        s.NodeResistCoef = editor.NodeResistCoef;
    }
    // A negative number (typed, or "keep" in group mode) leaves the old value.
    auto keepOrSet = [](double &field, double value) {
        if (value >= 0)
            field = value;
    };
    keepOrSet(s.Aww, editor.HorA);
    keepOrSet(s.Bww, editor.HorB);
    keepOrSet(s.Lww, editor.HorL);
    keepOrSet(s.ZETAww, editor.HorZ);
    if (!editor.HorMaterial.empty()) {
        s.HorMaterial = editor.HorMaterial;
        s.HorMaterialKind = MaterialFromName(editor.HorMaterial);
    }
    keepOrSet(s.Ash, editor.Ai);
    keepOrSet(s.Bsh, editor.Bi);
    keepOrSet(s.Lsh, editor.Li);
    keepOrSet(s.ZETAsh, editor.Zi);
    if (!editor.Material.empty()) {
        s.Material = editor.Material;
        s.MaterialKind = MaterialFromName(editor.Material);
    }
}

int AddInsertionIndex(int n, int selectedSegment) {
    if (n <= 0)
        return 0;
    if (!IsSegmentIndex(selectedSegment, n))
        return -1;
    return selectedSegment == 0 ? 1 : selectedSegment;
}

SegmentEditorState EditorForAdd(const NetworkSegments &segments, bool calcWithShaft) {
    SegmentEditorState e;
    e.Mode = TSegmentEditMode::ychmAdd;
    e.StoreyName.clear();
    e.EnableValve = false;
    if (!segments.empty()) {
        e.ValveWidth = segments.back().ValveWidth;
        e.ValveHeight = segments.back().ValveHeight;
    } else {
        e.ValveWidth = 800;
        e.ValveHeight = 600;
    }
    const TSmokeValve valve = CatalogValve(e.ValveWidth, e.ValveHeight);
    e.ValveArea = valve.F1;
    e.ValveResistCoef = valve.Z;
    e.HorA = e.ValveWidth / 1000.0;
    e.HorB = e.ValveHeight / 1000.0;
    e.HorL = 0;
    e.HorZ = 0;
    e.HorMaterial = "Металл";
    e.EnableHorPart = false;
    e.EnableVertPart = calcWithShaft;
    e.Ai = e.ValveWidth / 1000.0;
    e.Bi = e.ValveHeight / 1000.0;
    e.Li = 3;
    e.Zi = 0;
    e.Material = "Металл";
    e.StoreyQtyForAdd = 1;
    return e;
}

int AddSegments(NetworkSegments &segments, int p, const SegmentEditorState &editor,
                Notifier *notifier) {
    const int n = Size(segments);
    if (p < 0 || p > n)
        return -1;
    const int k = std::clamp(editor.StoreyQtyForAdd, 1, 100);
    if (n + k > kMaxSegments) {
        if (notifier)
            notifier->warning(std::string(kTooManySegmentsMessage), ctl::ListBoxYchastki.Str());
        return -1;
    }
    // Segments p..N-1 move up by K; the new ones take the editor's values on top of a copy of
    // whatever stood there, as the window's list always did.
    segments.resize(static_cast<size_t>(n + k));
    for (int j = n + k - 1; j >= p + k; --j)
        segments[static_cast<size_t>(j)] = segments[static_cast<size_t>(j - k)];
    for (int j = p; j < p + k; ++j)
        StoreSegmentFromEditor(segments, j, editor);
    SyncMiddleSegments(segments);
    return p;
}

SegmentEditorState EditorForEditOne(const NetworkSegments &segments, int a, bool calcWithShaft) {
    SegmentEditorState e;
    if (!IsSegmentIndex(a, Size(segments)))
        return e;
    const NetworkSegment &s = segments[static_cast<size_t>(a)];
    const int n = Size(segments);
    e.Mode = TSegmentEditMode::ychmEditOne;
    e.StoreyName = s.StoreyName;
    e.ValveWidth = s.ValveWidth;
    e.ValveHeight = s.ValveHeight;
    e.ValveDriveOut = s.ValveDriveOut;
    e.ValveArea = s.ValveArea;
    e.ValveResistCoef = s.ValveResistCoef;
    e.NodeResistCoef = s.NodeResistCoef;
    e.EnableValve = a == 0;
    e.EnableHorPart = a == 0 || a == n - 1;
    e.HorA = s.Aww;
    e.HorB = s.Bww;
    e.HorL = s.Lww;
    e.HorZ = s.ZETAww;
    e.HorMaterial = s.HorMaterial;
    e.EnableVertPart = calcWithShaft;
    e.Ai = s.Ash;
    e.Bi = s.Bsh;
    e.Li = s.Lsh;
    e.Zi = s.ZETAsh;
    e.Material = s.Material;
    e.CurStorey = a;
    e.QuanStoreys = n;
    return e;
}

bool ApplyEditOne(NetworkSegments &segments, int a, const SegmentEditorState &editor) {
    if (!IsSegmentIndex(a, Size(segments)))
        return false;
    StoreSegmentFromEditor(segments, a, editor);
    if (a == 0)
        SyncMiddleSegments(segments);
    return true;
}

SegmentEditorState EditorForEditGroup(const NetworkSegments &segments, int a, bool calcWithShaft) {
    SegmentEditorState e;
    if (!IsSegmentIndex(a, Size(segments)))
        return e;
    e.Mode = TSegmentEditMode::ychmEditGroup;
    e.StoreyName = segments[static_cast<size_t>(a)].StoreyName;
    e.EnableValve = false;
    e.EnableHorPart = true;
    e.EnableVertPart = calcWithShaft;
    e.QuanStoreys = Size(segments);
    e.CurStorey = a;
    // Every field starts as "keep"; the editor shows them empty.
    e.HorA = e.HorB = e.HorL = e.HorZ = -1;
    e.Ai = e.Bi = e.Li = e.Zi = -1;
    e.HorMaterial.clear();
    e.Material.clear();
    return e;
}

int ApplyEditGroup(NetworkSegments &segments, const SegmentEditorState &editor) {
    for (int i : editor.StoreysArr)
        StoreSegmentFromEditor(segments, i, editor);
    return editor.CurStorey;
}

std::string RemoveConfirmText(int a) {
    return "Удалить участок " + std::to_string(a + 1) + " сети?";
}

bool RemoveSegment(NetworkSegments &segments, int a, Notifier *notifier) {
    const int n = Size(segments);
    if (!(a > 0 && a < n - 1))
        return false;
    if (notifier && !notifier->confirm(RemoveConfirmText(a)))
        return false;
    segments.erase(segments.begin() + a);
    SyncMiddleSegments(segments);
    return true;
}

bool SwitchShaft(NetworkSegments &segments, NetworkSegments &temp, bool &calcWithShaft,
                 bool checked) {
    if (checked == calcWithShaft)
        return false;
    calcWithShaft = checked;
    if (!checked) {
        temp = segments;
        if (segments.size() > 1)
            segments.resize(1);
        return true;
    }
    if (temp.empty())
        return true; // nothing was set aside: the list stays as it is
    if (segments.empty()) {
        segments = temp;
    } else {
        const NetworkSegment bottom = segments.front();
        segments = temp;
        segments.front() = bottom;
    }
    // Segment 0 may have a new valve or branch: the middle storeys carry the same ones.
    SyncMiddleSegments(segments);
    return true;
}

std::string AllStoreysText(int n) {
    if (n <= 0)
        return {};
    if (n == 1)
        return "1";
    if (n == 2)
        return "1, 2";
    return "1 - " + std::to_string(n);
}

std::string NormalizeStoreyText(std::string_view text) {
    enum State { S0, S1, S2, S3 } state = S0;
    std::string out;
    for (char c : text) {
        const bool digit = IsDigit(c);
        switch (state) {
        case S0:
            if (digit) {
                out += c;
                state = S1;
            }
            break;
        case S1:
            if (digit) {
                out += c;
            } else if (c == ',') {
                out += ',';
            } else if (c == '-') {
                out += '-';
                state = S2;
            } else {
                state = S3;
            }
            break;
        case S2:
            if (digit) {
                out += c;
            } else if (c == ',') {
                out += ',';
                state = S1;
            } else if (c == '-') {
                out += '-';
            } else {
                // guard: "2-5 9" is the range 2-5 and then 9, never 2-59; a gap after a
                // finished range behaves like the gap after a number
                state = (!out.empty() && IsDigit(out.back())) ? S3 : S0;
            }
            break;
        case S3:
            if (digit) {
                out += ',';
                out += c;
                state = S1;
            } else if (c == ',') {
                out += ',';
                state = S1;
            } else if (c == '-') {
                out += '-';
                state = S2;
            }
            break;
        }
    }
    return out;
}

namespace {

int ReadNumber(std::string_view text, size_t &pos) {
    long long value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (value <= INT_MAX)
            value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

} // namespace

bool NextStoreyRange(std::string_view normalized, size_t &pos, int &from, int &to) {
    while (pos < normalized.size() && !IsDigit(normalized[pos]))
        ++pos;
    if (pos >= normalized.size())
        return false;
    from = ReadNumber(normalized, pos);
    to = from;
    if (pos < normalized.size() && normalized[pos] == '-') {
        ++pos;
        if (pos < normalized.size() && IsDigit(normalized[pos]))
            to = ReadNumber(normalized, pos);
    } else if (pos < normalized.size()) {
        ++pos;
    }
    if (to < from)
        to = from;
    return true;
}

std::vector<int> ParseStoreyList(std::string_view text, int quanStoreys) {
    std::vector<int> result;
    const std::string normalized = NormalizeStoreyText(text);
    size_t pos = 0;
    int from = 0;
    int to = 0;
    while (NextStoreyRange(normalized, pos, from, to)) {
        // Only the part of the range inside the list: "1-999999999" must not walk a billion
        // numbers.
        const int first = std::max(from, 1);
        const int last = std::min(to, quanStoreys);
        for (int k = first; k <= last; ++k)
            result.push_back(k - 1);
    }
    return result;
}

} // namespace orvane::exhaust
