#pragma once

namespace tarnbrook {

// Where DrawText puts each line in its box. A value outside the three centres, as Centre does.
enum class TextAlign { Left = 0, Right = 1, Centre = 2 };

}  // namespace tarnbrook
