#include "ui/widgets/WidgetDrawing.h"

#include "gfx/GraphicsContext.h"

namespace tarnbrook {

void DrawDashed(GraphicsContext& gc, Point from, Point to, int64_t color)
{
    gc.DrawLine(from.x, from.y, to.x, to.y, kDashedLine, color);
}

}  // namespace tarnbrook
