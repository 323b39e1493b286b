#pragma once
#include <QString>

// The repository root, where the tests' own data lives.
QString sourceDir();
