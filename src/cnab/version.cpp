// Keeps the library non-empty while its layouts are being added.
namespace fin::cnab {
int libraryRevision() { return 1; }
}
