# Sanitizer build option; filled in with the sanitizer work.
