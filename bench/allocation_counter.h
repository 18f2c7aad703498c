// Counts every heap allocation made through operator new in this program.
#pragma once

long long AllocationCount();
