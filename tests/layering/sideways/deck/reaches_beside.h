// A subsystem that reaches beside itself: the layering check must fail on this tree.
#pragma once
#include "catalog/order.h"
