# A file where the Reports folder should be.
printf 'not a folder' >"$E2E_DATA/Reports"
