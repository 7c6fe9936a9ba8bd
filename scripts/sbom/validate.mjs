// Validates a bill of materials against the CycloneDX 1.6 JSON schema, strictly,
// with the CycloneDX project's own validator. Usage: node validate.mjs bom.json
import { readFileSync } from 'node:fs'
import { Spec, Validation } from '@cyclonedx/cyclonedx-library'

const [file] = process.argv.slice(2)
if (!file) {
  console.error('usage: node validate.mjs bom.json')
  process.exit(2)
}
const validator = new Validation.JsonStrictValidator(Spec.Version.v1dot6)
const errors = await validator.validate(readFileSync(file, 'utf8'))
if (errors !== null) {
  console.error(`${file} is not a valid CycloneDX 1.6 document:`)
  console.error(JSON.stringify(errors, null, 2))
  process.exit(1)
}
console.log(`${file}: valid CycloneDX 1.6`)
