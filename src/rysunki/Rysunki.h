#pragma once
// The program's own drawing of a layered wall in section with its temperature line: the decorative
// picture of the working-conditions sheet, and the motif of the pictures (splash, about box, report
// logo) and of the icon that tools/ draws with it.

class QPainter;
class QRectF;

namespace murolab {

// Draws the section into the rectangle: indoor air, inner plaster, masonry, thermal insulation,
// outer render, outdoor air, and the temperature falling through them (most of it across the
// insulation). podpisy: name the two sides and the two air temperatures.
void RysujPrzekroj(QPainter& p, const QRectF& obszar, bool podpisy);

} // namespace murolab
