#pragma once
// The editor and its reminder window.
void registerDocumentForms();
