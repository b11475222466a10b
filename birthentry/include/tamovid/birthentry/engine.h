#pragma once

// The engine choice lives beside the chart's other options, where a chart file can name it.
#include "tamovid/grahas/engine.h"
