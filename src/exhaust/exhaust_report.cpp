// What every variant's calculation starts with: the floor area and the volume of the room.
#include "exhaust/exhaust_report.h"

#include "core/number_text.h"

namespace orvane::exhaust {

void WriteRoomSize(RtfStream &s, const ExhaustCalc &c) {
    if (c.RoomSize == RoomSizeForm::lengthWidthHeight) {
        RtfRaw(s, "\\par\\b ");
        RtfText(s, "Площадь пола");
        RtfRaw(s, "\\par F\\sub f\\nosupersub\\b0  = a \\u8729? b = ");
        RtfRaw(s,
               F62(c.RoomLength) + " \\u8729? " + F62(c.RoomWidth) + " = \\b " + F62(c.FloorArea));
        RtfText(s, " м");
        RtfRaw(s, "\\super 2\\nosupersub ");
        RtfRaw(s, "\\par\\par\\b ");
        RtfText(s, "Объем помещения");
        RtfRaw(s, "\\par V\\b0  = a \\u8729? b \\u8729? h = ");
        RtfRaw(s, F62(c.RoomLength) + " \\u8729? " + F62(c.RoomWidth) + " \\u8729? " +
                      F62(c.RoomHeight));
        RtfRaw(s, " = \\b " + F62(c.RoomVolume));
        RtfText(s, " м");
        RtfRaw(s, "\\super 3\\nosupersub ");
    } else if (c.RoomSize == RoomSizeForm::areaWidthHeight) {
        RtfRaw(s, "\\par\\par\\b ");
        RtfText(s, "Объем помещения");
        RtfRaw(s, "\\par V\\b0  = F\\sub f\\nosupersub  \\u8729? h = ");
        RtfRaw(s,
               F62(c.FloorArea) + " \\u8729? " + F62(c.RoomHeight) + " = \\b " + F62(c.RoomVolume));
        RtfText(s, " м");
        RtfRaw(s, "\\super 3\\nosupersub ");
    }
}

} // namespace orvane::exhaust
