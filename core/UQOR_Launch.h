#pragma once
// Filled in as the routines land.
namespace UQOR {
}
