# A folder where the list file should be.
mkdir "$E2E_DATA/vekTemp1"
