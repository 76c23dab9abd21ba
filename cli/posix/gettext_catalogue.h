// Where gettext finds zentavo-cli's message catalogues.
#pragma once

namespace zentavo {

// Finds the catalogues in share/locale beside the bin/ folder of the
// running program, as installed and in the build tree alike.
void BindTranslations();

}  // namespace zentavo
