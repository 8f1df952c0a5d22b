// The translations library holds only the compiled .qm files as resources; a static library
// needs one object of its own.
namespace TavrelTranslations {
int anchor = 0;
}
