#include "app/ProductInfo.h"

namespace tarnbrook {

std::string ComposeTitle()
{
    return std::string(kProductName) + " - " + kWebAddress + " " + kOwnershipNotice;
}

}  // namespace tarnbrook
