#pragma once
// The information windows, from their tables.
void registerInfoForms();
