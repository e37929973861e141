#pragma once

// The file-explorer component family in one include.
#include "explorer/ListingRow.h"
