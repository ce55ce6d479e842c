#pragma once

#include <QString>

// The product's own web addresses, in one place.
namespace ProductLinks {

inline QString homepage()
{
    return QStringLiteral("https://penwick.app/");
}

}
