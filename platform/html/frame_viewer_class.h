#pragma once
// Makes TFrameViewer known to the form reader, with its published properties and its form
// submit event. The application calls it at start-up, before reading the viewer's form.
namespace html {

void RegisterFrameViewerClass();

} // namespace html
