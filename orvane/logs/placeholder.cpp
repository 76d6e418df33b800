// Keeps the log pages' library non-empty until its first page lands.
