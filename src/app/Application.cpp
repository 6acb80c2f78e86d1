#include "app/Application.h"

namespace tarnbrook {
namespace Application {

int tickCounter = 0;

}  // namespace Application
}  // namespace tarnbrook
