// Anchors the Windows library so that it links even before it has other Windows-only sources.
namespace tav {
const char* const kProgramTitle = "Tavrilo";
}
